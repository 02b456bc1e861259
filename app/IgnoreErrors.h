#pragma once
#include "platform/VbError.h"

// Runs one step of a handler that ignores errors and goes on with its next step.
template <class Step> void IgnoreErrors(Step&& step)
{
    try {
        step();
    } catch (const VbError&) {
    }
}

// Reads a value, or gives an empty one when reading raises.
template <class Read> auto ReadIgnoringErrors(Read&& read) -> decltype(read())
{
    try {
        return read();
    } catch (const VbError&) {
        return {};
    }
}
