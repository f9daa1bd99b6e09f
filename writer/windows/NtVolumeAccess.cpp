// The NT family: the raw floppy volume, written with WriteFile.
#include "NtVolumeAccess.h"

#include "writer/DiskGeometry.h"
#include "writer/ImagePath.h"
#include "writer/WizardState.h"

#include <utility>

std::string NtVolumeName(int nDrive)
{
    return "\\\\.\\" + OutputDeviceText(nDrive);
}

void RecordSystemError(DWORD dwError)
{
    char* pszText = nullptr;
    const DWORD nLength = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM, nullptr,
        dwError, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(&pszText), 0, nullptr);
    std::string strText = nLength != 0 && pszText != nullptr ? std::string(pszText, nLength)
                                                             : "Unknown system error " + std::to_string(dwError) + ".";
    if (pszText != nullptr)
        ::LocalFree(pszText);
    RecordWriteFailure(static_cast<int>(dwError), std::move(strText));
}

CNtVolumeAccess::CNtVolumeAccess(std::string strDevice) : m_strDevice(std::move(strDevice))
{
}

CNtVolumeAccess::~CNtVolumeAccess()
{
    Close();
}

bool CNtVolumeAccess::Open(const CEvent&)
{
    m_hDevice = ::CreateFileA(m_strDevice.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_hDevice != INVALID_HANDLE_VALUE;
}

bool CNtVolumeAccess::WriteTrack(unsigned, const void* pTrack)
{
    DWORD nWritten = 0;
    if (!WriteDevice(pTrack, TRACK_SIZE, &nWritten)) {
        RecordSystemError(::GetLastError());
        return false;
    }
    if (nWritten != TRACK_SIZE) {
        // A track written only in part is a failed track, not a success: the rest of it is
        // not on the diskette. A volume stops short only at its end, so it counts as full.
        RecordSystemError(ERROR_DISK_FULL);
        return false;
    }
    return true;
}

BOOL CNtVolumeAccess::WriteDevice(const void* pData, DWORD nBytes, DWORD* pnWritten)
{
    return ::WriteFile(m_hDevice, pData, nBytes, pnWritten, nullptr);
}

void CNtVolumeAccess::Close()
{
    if (m_hDevice != INVALID_HANDLE_VALUE) {
        ::CloseHandle(m_hDevice);
        m_hDevice = INVALID_HANDLE_VALUE;
    }
}
