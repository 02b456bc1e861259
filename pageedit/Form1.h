#pragma once
#include "app/Form.h"
#include "platform/system/UiServices.h"

#include <array>

class ImageBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The background chooser: the page's background attributes are pointed at a picture of the
// home folder, clicked or named.
class Form1 : public Form {
    Q_OBJECT
public:
    explicit Form1(Program& program);

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr; // "Nome immagine di sfondo :": a name in the home folder, or a path
    QPushButton* cmdSFOGLIA = nullptr;
    QPushButton* cmdCONFERMA = nullptr;
    QPushButton* cmdUSCITA = nullptr;
    std::array<ImageBox*, 13> Image1{};
    FileDialogRequest CommonDialog1;

    void cmdSFOGLIA_Click();
    void cmdCONFERMA_Click();
    void cmdUSCITA_Click();
    // index -1: the image named in Text1.
    void Image1_Click(int index);

protected:
    void Form_Load() override;

private:
    void ReportNotFound(const QString& path);
    void FillImages();
};
