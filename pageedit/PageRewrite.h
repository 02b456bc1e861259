#pragma once
#include "PageTransform.h"

class Program;

// Rewrites the page on display through its temporary file, keeps the old page as its backup
// and reloads the browser. False when a failure was reported to the user.
bool RewritePage(Program& program, const PageTransform& transform);
