// The framework's exceptions: thrown as pointers, caught as CException*, released with Delete().
#pragma once

#include "Types.h"

#include <string>

class CException
{
public:
    virtual ~CException() = default;

    // Copies the message, cut to nMaxError - 1 bytes (never inside a character) and
    // terminated, into lpszError. Returns FALSE only if there is no room at all.
    virtual BOOL GetErrorMessage(char* lpszError, UINT nMaxError) const = 0;

    void Delete() { delete this; }

protected:
    static BOOL CopyMessage(const std::string& strMessage, char* lpszError, UINT nMaxError);
};

class CMemoryException : public CException
{
public:
    BOOL GetErrorMessage(char* lpszError, UINT nMaxError) const override;
};

class CFileException : public CException
{
public:
    enum Cause {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    explicit CFileException(int cause = none, long lOsError = -1, std::string strFileName = {});

    BOOL GetErrorMessage(char* lpszError, UINT nMaxError) const override;
    std::string GetErrorMessage() const;

    // The cause that fits a system error code of this platform; genericException when none does.
    static int OsErrorToException(long lOsError);
    // Raises a file exception for a system error code, as the file class does on a failed call.
    [[noreturn]] static void ThrowOsError(long lOsError, const std::string& strFileName = {});

    int m_cause;
    long m_lOsError;
    std::string m_strFileName;
};
