#pragma once
#include <QString>

class FileSystem;
class Program;

// The entry routine: chooses the first address from the argument text, records it in the
// program-wide variables, creates and shows the browser window.
void Main(Program& program, const QString& argumentText);

// The address Main opens first for the argument text, for a start of its load ahead of the window.
QString FirstAddress(FileSystem& fs, const QString& argumentText);
