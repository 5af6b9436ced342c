// The challenges' tables as the game reads them; the rows themselves are
// the library's resource, written by the checker.
