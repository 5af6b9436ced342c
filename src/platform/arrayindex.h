#pragma once
// The index check of the game's arrays, kept in the shipped program too: an
// index outside an array's bounds is a fault of the code, and going on would
// read or write whatever lies next to the array. The check is one inline
// compare; the message, out of line, gives the bounds and the place of the
// faulty access, then stops the program.
#include <QtGlobal>

namespace zolmera {

// An array index with the place in the code where it was used: the caller's
// file, line and function come in as default arguments, so every a[i] names
// itself in the message without the array needing a name.
struct ArrayIndex {
    ArrayIndex(int v, const char* inFile = __builtin_FILE(), int atLine = __builtin_LINE(),   // NOLINT: any integer
               const char* inFunction = __builtin_FUNCTION())
        : value(v), file(inFile), line(atLine), function(inFunction)
    {
    }
    int value;
    const char* file;
    int line;
    const char* function;
};

// Stops the program: "index 0 out of range 1..2 of <what>, at <file>:<line> in <function>".
[[noreturn]] Q_DECL_COLD_FUNCTION Q_NEVER_INLINE inline void indexOutOfRange(const ArrayIndex& i, int lo, int hi,
                                                                              const char* what)
{
    qFatal("index %d out of range %d..%d of %s, at %s:%d in %s", i.value, lo, hi, what, i.file, i.line, i.function);
}

}  // namespace zolmera
