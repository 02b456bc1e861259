#pragma once

class QKeyEvent;
class frmBrowser;

// Runs the browser window's action for a key the page and the controls left unused (F5, Esc,
// Alt+Left, Ctrl+F, Ctrl+P, Ctrl++ …, as the hosted browser had them); false for any other key.
bool RunAccelerator(frmBrowser& window, const QKeyEvent& event);
