#pragma once
#include <string>

// The file-failure message for a POSIX errno: the errors that mean what
// Windows' 3, 4 and 5 mean take their messages, any other n is "I/O ｴﾗｰ (n)".
std::string OsErrorMessage(int error);
