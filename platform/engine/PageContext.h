#pragma once
#include <QPoint>
#include <QString>

// Where on the page the user asked for its menu, and what the engine offers there.
struct PageContext {
    QPoint globalPosition;
    bool editable = false; // a text field or editable content
    bool hasSelection = false;
    bool canUndo = false;
    bool canRedo = false;
    bool canCut = false;
    bool canCopy = false;
    bool canPaste = false;
    bool canDelete = false;
    bool canGoBack = false;
    bool canGoForward = false;
    QString linkAddress; // the link under the pointer, as the program writes addresses; empty: none
    bool onImage = false;
};

// What the page's menu can ask for.
enum class PageCommand {
    Back,
    Forward,
    Reload,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    Delete,
    SelectAll,
    OpenLink,
    OpenLinkInNewWindow,
    CopyLinkAddress,
    SaveImage,
    CopyImage,
    Print,
    SaveAsPdf,
    ViewSource,
};
