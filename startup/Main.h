#pragma once
#include <QString>

class Program;

// The entry routine: chooses the first address from the argument text, records it in the
// program-wide variables, creates and shows the browser window.
void Main(Program& program, const QString& argumentText);
