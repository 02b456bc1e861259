#include "Program.h"

#include "Form.h"
#include "platform/WebBrowser.h"

#include <algorithm>

Program::Program(ProgramServices services) : services_(std::move(services)) {}

Program::~Program()
{
    // Windows still alive at the end of the run go with the program, without their unload step.
    auto forms = std::move(forms_);
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        delete it->second.data();
}

std::unique_ptr<WebBrowser> Program::MakeBrowser(QWidget* parent) const { return services_.makeBrowser(parent); }

Form* Program::Find(std::type_index type) const
{
    for (const auto& [t, f] : forms_)
        if (t == type && f && !f->IsUnloading())
            return f.data();
    return nullptr;
}

void Program::Add(std::type_index type, Form* form) { forms_.emplace_back(type, form); }

void Program::Forget(const Form& form)
{
    std::erase_if(forms_, [&form](const auto& entry) { return entry.second.data() == &form || !entry.second; });
}

void Program::UnloadAllExcept(const Form* keep)
{
    std::vector<QPointer<Form>> others;
    for (const auto& entry : forms_)
        if (entry.second && entry.second.data() != keep)
            others.push_back(entry.second);
    for (auto it = others.rbegin(); it != others.rend(); ++it)
        if (*it)
            (*it)->Unload();
}
