#pragma once
#include <QString>
#include <QWidget>

class Program;

// A window of the program: a single instance, created and loaded by Program::form<T>() at its
// first use, shown modal or not, hidden (kept with its controls' contents) or unloaded
// (destroyed; the next use creates it anew). Subclasses declare their controls and handlers.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(Program& program);
    ~Form() override;

    Program& program() const { return program_; }

    void Show();      // not modal: the caller goes on at once
    void ShowModal(); // the caller waits until the window is hidden or unloaded
    void Hide();
    void Unload(); // runs Form_Unload, then the window is destroyed
    bool IsUnloading() const { return unloading_; }

    void SetCaption(const QString& caption) { setWindowTitle(caption); }
    QString Caption() const { return windowTitle(); }

    // Client area and position in twips.
    int ScaleWidth() const;
    int ScaleHeight() const;
    void SetClientSizeTwips(int width, int height);
    void MoveTwips(int left, int top);
    bool IsMinimized() const { return isMinimized(); }

    QString Tag; // a free text

    // Run once by Program right after construction.
    void RunLoad() { Form_Load(); }

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Present(); // on screen, on top, with the focus

    Program& program_;
    bool unloading_ = false;
};
