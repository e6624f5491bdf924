#include "platform/posix/os_error.h"

#include <cerrno>

#include "platform/failures.h"
#include "platform/texts.h"

std::string OsErrorMessage(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
      return FileErrorMessage(3);
    case EMFILE:
    case ENFILE:
      return FileErrorMessage(4);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      return FileErrorMessage(5);
    default:
      return FormatText(TextId::IoError, {std::to_string(error)});
  }
}
