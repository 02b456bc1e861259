#include "StatusBar.h"

#include "browser/address/AddressRules.h"
#include "app/Twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

namespace {

constexpr QChar kBarLetter = QLatin1Char('I');
constexpr int kZoomNoteMs = 2000;

} // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    auto* panels = new QHBoxLayout(this);
    panels->setContentsMargins(1, 1, 1, 1);
    panels->setSpacing(2);
    for (int i = 0; i < 2; ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusBar1_Panel%1").arg(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        Panels[i] = panel;
    }
    Panels[1]->setFixedWidth(TwipsToPixels(3900)); // room for the 60 letters of a full progress bar
    panels->addWidget(Panels[0], 1);
    panels->addWidget(Panels[1], 0);
}

void StatusBar::SetPanelText(QLabel& panel, const QString& text)
{
    if (panel.text() == text)
        return;
    // Turned back on, updates repaint the whole bar.
    if (updatesEnabled()) {
        setUpdatesEnabled(false);
        QTimer::singleShot(kRepaintEveryMs, this, [this] { setUpdatesEnabled(true); });
    }
    panel.setText(text);
}

void StatusBar::SetStatusText(const QString& text) { SetPanelText(*Panels[0], text); }

void StatusBar::PercentBar(std::int32_t done, std::int32_t total)
{
    if (const auto letters = PercentBarLetters(done, total))
        SetPanelText(*Panels[1], QString(*letters, kBarLetter));
}

void StatusBar::ShowZoomNote(int percent)
{
    if (!zoomNote_) {
        zoomNote_ = new QTimer(this);
        zoomNote_->setSingleShot(true);
        zoomNote_->setInterval(kZoomNoteMs);
        connect(zoomNote_, &QTimer::timeout, this, [this] {
            // Unless the page wrote something else meanwhile, the panel shows again what it showed.
            if (Panels[0]->text().startsWith(QLatin1String("Zoom ")))
                SetPanelText(*Panels[0], beforeZoomNote_);
        });
    }
    if (!zoomNote_->isActive())
        beforeZoomNote_ = Panels[0]->text();
    SetPanelText(*Panels[0], QStringLiteral("Zoom %1%").arg(percent));
    zoomNote_->start();
}
