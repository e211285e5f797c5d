#include "core/runtimeerror.h"

#include <QCoreApplication>

RuntimeError::RuntimeError(int number) : RuntimeError(number, standardDescription(number)) {}

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number), m_description(std::move(description)),
      //: %1 is the error's number, %2 its description
      m_what(
          QCoreApplication::translate("RuntimeError", "Run-time error %1: %2").arg(number).arg(m_description).toUtf8())
{
}

QString RuntimeError::standardText() const
{
    //: The standard error box: %1 is the error's number (no blank before it), %2 its description
    return QCoreApplication::translate("RuntimeError", "Error Number:%1\r\n%2").arg(m_number).arg(m_description);
}

QString RuntimeError::standardDescription(int number)
{
    switch (number) {
    case InvalidProcedureCall:
        return QCoreApplication::translate("RuntimeError", "Invalid procedure call or argument");
    case Overflow:
        return QCoreApplication::translate("RuntimeError", "Overflow");
    case OutOfMemory:
        return QCoreApplication::translate("RuntimeError", "Out of memory");
    case TypeMismatch:
        return QCoreApplication::translate("RuntimeError", "Type mismatch");
    case InternalError:
        return QCoreApplication::translate("RuntimeError", "Internal error");
    case BadFileNameOrNumber:
        return QCoreApplication::translate("RuntimeError", "Bad file name or number");
    case FileNotFound:
        return QCoreApplication::translate("RuntimeError", "File not found");
    case BadFileMode:
        return QCoreApplication::translate("RuntimeError", "Bad file mode");
    case FileAlreadyOpen:
        return QCoreApplication::translate("RuntimeError", "File already open");
    case DeviceIOError:
        return QCoreApplication::translate("RuntimeError", "Device I/O error");
    case FileAlreadyExists:
        return QCoreApplication::translate("RuntimeError", "File already exists");
    case DiskFull:
        return QCoreApplication::translate("RuntimeError", "Disk full");
    case InputPastEndOfFile:
        return QCoreApplication::translate("RuntimeError", "Input past end of file");
    case BadRecordNumber:
        return QCoreApplication::translate("RuntimeError", "Bad record number");
    case PermissionDenied:
        return QCoreApplication::translate("RuntimeError", "Permission denied");
    case DiskNotReady:
        return QCoreApplication::translate("RuntimeError", "Disk not ready");
    case PathFileAccessError:
        return QCoreApplication::translate("RuntimeError", "Path/File access error");
    case PathNotFound:
        return QCoreApplication::translate("RuntimeError", "Path not found");
    default:
        return QCoreApplication::translate("RuntimeError", "Application-defined or object-defined error");
    }
}
