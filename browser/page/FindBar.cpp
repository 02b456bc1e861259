#include "FindBar.h"

#include "platform/engine/WebBrowser.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

// Over the bottom right corner: the top of the page, where reading starts, stays in view.
FindBar::FindBar(WebBrowser& page, QWidget* parent)
    : PageBar(page, parent, QStringLiteral("FindBar"), Edge::BottomRight)
{
    lblFind = new QLabel(QStringLiteral("Trova:"), this); // no mnemonic: Alt+T stays the page's
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setMinimumWidth(160);
    lblFind->setBuddy(txtFind);
    cmdNext = new QPushButton(QStringLiteral("Successivo"), this);
    cmdPrevious = new QPushButton(QStringLiteral("Precedente"), this);
    chkMatchCase = new QCheckBox(QStringLiteral("Maiuscole/minuscole"), this);
    lblResult = new QLabel(this);
    lblResult->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Nessuna corrispondenza")));
    for (QWidget* control :
         std::initializer_list<QWidget*>{lblFind, txtFind, cmdNext, cmdPrevious, chkMatchCase, lblResult})
        Row()->addWidget(control);

    connect(txtFind, &QLineEdit::textEdited, this, [this] { Find(false); });
    connect(txtFind, &QLineEdit::returnPressed, this,
            [this] { Find(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier)); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { Find(false); });
    connect(cmdPrevious, &QPushButton::clicked, this, [this] { Find(true); });
    connect(chkMatchCase, &QCheckBox::toggled, this, [this] {
        Page().StopFinding(); // a search afresh, not the next match of the last one
        Find(false);
    });
}

void FindBar::Open()
{
    ShowOverPage();
    txtFind->setFocus(Qt::ShortcutFocusReason);
    txtFind->selectAll();
}

void FindBar::Close()
{
    hide();
    lblResult->clear();
    Page().StopFinding();
    GiveFocusBack(Qt::ShortcutFocusReason);
}

void FindBar::Find(bool backward)
{
    const QString text = txtFind->text();
    if (text.isEmpty()) {
        Page().StopFinding();
        lblResult->clear();
        return;
    }
    const QPointer<QLabel> result(lblResult);
    Page().FindText(text, backward, chkMatchCase->isChecked(), [result](int active, int matches) {
        if (!result)
            return; // the answer came while the window went
        result->setText(matches == 0 ? QStringLiteral("Nessuna corrispondenza")
                                     : QStringLiteral("%1 di %2").arg(active).arg(matches));
    });
}

void FindBar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        Close();
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept(); // the field's own returnPressed found already
    else
        PageBar::keyPressEvent(event);
}
