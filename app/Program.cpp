#include "Program.h"

#include "Form.h"
#include "platform/engine/WebBrowser.h"

#include <QPointer>

#include <algorithm>

Program::Program(ProgramServices services) : services_(std::move(services)) {}

Program::~Program()
{
    // Windows still alive at the end of the run go with the program, without their unload step,
    // newest first.
    while (!forms_.empty())
        delete forms_.back().form;
}

std::unique_ptr<WebBrowser> Program::MakeBrowser(QWidget* parent) const { return services_.makeBrowser(parent); }

std::unique_ptr<FolderWatcher> Program::MakeFolderWatcher(std::function<void()> changed) const
{
    return services_.makeFolderWatcher(std::move(changed));
}

Form* Program::Find(std::type_index type) const
{
    for (const Entry& entry : forms_)
        if (entry.type == type && !entry.form->IsUnloading())
            return entry.form;
    return nullptr;
}

void Program::Add(std::type_index type, Form* form)
{
    forms_.push_back({type, form});
    QObject::connect(form, &QObject::destroyed, [this, form] {
        std::erase_if(forms_, [form](const Entry& entry) { return entry.form == form; });
    });
}

void Program::UnloadAllExcept(const Form* keep)
{
    // Taken first: an unload step may load or destroy other windows.
    std::vector<QPointer<Form>> others;
    for (const Entry& entry : forms_)
        if (entry.form != keep)
            others.emplace_back(entry.form);
    for (auto it = others.rbegin(); it != others.rend(); ++it)
        if (*it)
            (*it)->Unload();
}
