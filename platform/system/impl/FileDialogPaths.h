#pragma once
#include "platform/system/UiServices.h"

#include <QString>

class FileSystem;

// A file-open request turned into what a host dialog needs.
struct HostDialogSetup {
    QString folder;       // host folder to open in; empty: the current folder
    QString selectedFile; // a plain file name to preselect; empty when none
    QString nameFilter;   // "label (patterns)", patterns matching without regard to case; empty: all files
};

// The folder comes from initialFolder, else from the folder part of fileName; a name part with
// wildcards ("*.HTM") is the pattern when no filter ("*.JPG;*.BMP") is given.
HostDialogSetup MapFileDialogRequest(FileSystem& fs, const FileDialogRequest& request);
