// The framework's file: opened for exclusive reading, read in pieces, closed on destruction.
#pragma once

#include "Exception.h"
#include "Types.h"

#include <cstdint>
#include <string>

class CFile
{
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
    };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens an existing file for reading and holds it so that no other opener can have it
    // at the same time. Returns FALSE on failure (and fills pError if given); never throws.
    BOOL Open(const std::string& strFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    // Reads up to nCount bytes; returns fewer only at the end of the file. A system read
    // error throws a CFileException* that carries no file name.
    UINT Read(void* lpBuf, UINT nCount);

    // Closes the file if it is open, ignoring any error; never throws.
    void Abort();

private:
    // The system's handle (Windows) or descriptor (POSIX) of the open file; -1, which is
    // INVALID_HANDLE_VALUE on Windows, while none is open.
    static constexpr std::intptr_t s_hNoFile = -1;
    std::intptr_t m_hFile = s_hNoFile;
};
