#pragma once
#include "platform/system/UiServices.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// A scriptable UiServices: answers come from a queue, every box shown is recorded.
class FakeUi : public UiServices {
public:
    struct Box {
        QString text;
        MsgButtons buttons;
        MsgIcon icon;
        QString title;
        QString check; // the check box offered, if any
    };

    std::vector<Box> boxes;
    std::deque<int> answers;           // next answers; when empty: OK, or Yes for Yes/No boxes (either kind)
    std::deque<bool> ticks;            // whether the next check boxes offered get ticked; when empty: not
    std::deque<QString> dialogAnswers; // chosen files; when empty the dialog is cancelled
    std::vector<FileDialogRequest> dialogs;
    int beeps = 0;
    bool hourglass = false;
    int doEvents = 0;
    int pauses = 0;
    int modalRuns = 0;
    int ended = 0;
    bool endedImmediately = false;
    std::function<void()> onDoEvents; // optional: e.g. let a test run nested handlers
    std::function<void()> onPause;
    std::function<void(QWidget&)> onModal;    // optional: drive a modal window, then return
    std::function<void(const Box&)> onMsgBox; // optional: observe a box as it is shown

    int MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override
    {
        bool ticked = false;
        return MsgBoxWithCheck(text, buttons, icon, title, {}, ticked);
    }
    int MsgBoxWithCheck(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                        const QString& check, bool& ticked) override
    {
        boxes.push_back({text, buttons, icon, title, check});
        ticked = false;
        if (!check.isEmpty() && !ticks.empty()) {
            ticked = ticks.front();
            ticks.pop_front();
        }
        if (onMsgBox)
            onMsgBox(boxes.back());
        if (!answers.empty()) {
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoDefaultNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    }
    void Beep() override { ++beeps; }
    void SetHourglass(bool busy) override { hourglass = busy; }
    void DoEvents() override
    {
        ++doEvents;
        if (onDoEvents)
            onDoEvents();
    }
    void Pause() override
    {
        ++pauses;
        if (onPause)
            onPause();
    }
    void RunModal(QWidget& window) override
    {
        ++modalRuns;
        if (onModal)
            onModal(window);
    }
    QString OpenFileDialog(QWidget*, const FileDialogRequest& request) override
    {
        dialogs.push_back(request);
        if (dialogAnswers.empty())
            return request.fileName;
        const QString chosen = dialogAnswers.front();
        dialogAnswers.pop_front();
        return chosen;
    }
    // Save dialogs are cancelled.
    SaveChoice SaveFileDialog(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    void EndProgram(bool immediately) override
    {
        ++ended;
        endedImmediately = immediately;
    }

    QStringList texts() const
    {
        QStringList out;
        for (const auto& b : boxes)
            out << b.text;
        return out;
    }
};
