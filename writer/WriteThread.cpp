// The write itself: image to diskette track by track, the page told by posted messages.
#include "WriteThread.h"

#include "DiskGeometry.h"
#include "ImagePath.h"
#include "WizardState.h"
#include "framework/core/Exception.h"
#include "framework/core/File.h"
#include "framework/core/PageMemory.h"
#include "res/Resource.h"

#include <new>

namespace {

const char s_szNoInputFile[] = "Unable to open input file.";
const char s_szNoOutputDevice[] = "Unable to open output device.";
const char s_szUnexpectedEnd[] = "Unexpected end of file.";
const char s_szNotStarted[] = "Unable to start the writing process.";

// Room for an exception's text: the text is cut to 255 characters.
constexpr UINT s_nErrorTextSize = 256;

// The writer's own failures have status -1. Without room for the text the failure is
// recorded without one (an empty text needs none): the status alone leads to the error page,
// where a lack of memory inside a handler would otherwise end the process.
void RecordFailure(const char* pszError)
{
    try {
        RecordWriteFailure(-1, pszError);
    } catch (const std::bad_alloc&) {
        RecordWriteFailure(-1, std::string());
    }
}

void RecordException(const CException& e)
{
    char szError[s_nErrorTextSize];
    try {
        e.GetErrorMessage(szError, s_nErrorTextSize);
    } catch (const std::bad_alloc&) {
        szError[0] = '\0';
    }
    RecordFailure(szError);
}

} // namespace

CWriteThread::CWriteThread(const CWriteSite& site) : m_site(site)
{
    m_bAutoDelete = FALSE;
}

CWriteThread::~CWriteThread() = default;

void CWriteThread::SetPage(CPostTarget* pPage)
{
    m_pPage = pPage;
}

void CWriteThread::Stop()
{
    m_bStop.store(1);
    m_stopRequested.SetEvent();
}

void CWriteThread::WaitForStopRequest() const
{
    m_stopRequested.Lock();
}

void CWriteThread::RecordWriteTarget(int nDrive) const
{
    g_strInputFile = ImagePathBeside(m_site.GetProgramPath(), ImageExtension(g_nImage));
    g_strOutputDevice = OutputDeviceText(nDrive);
}

void CWriteThread::RecordNotStarted() const
{
    try {
        RecordWriteTarget(g_nDrive);
    } catch (const std::bad_alloc&) {
        // The error page does without the image and the device; it still comes.
    }
    RecordFailure(s_szNotStarted);
}

void CWriteThread::PostToPage(UINT nMessage, WPARAM wParam) const
{
    if (m_pPage != nullptr)
        m_pPage->Post(nMessage, wParam, 0);
}

BOOL CWriteThread::InitInstance()
{
    // Preparing: the file object, the way to the drive and one track's buffer.
    CFile fileImage;
    std::unique_ptr<CDiskAccess> pDisk;
    void* pTrack = AllocatePageRegion(TRACK_SIZE);

    try {
        // The image path and the device text are recorded before anything else, so that
        // the error page can name both whatever happens next.
        const int nDrive = g_nDrive;
        RecordWriteTarget(nDrive);
        pDisk = m_site.ChooseDiskAccess(nDrive);

        if (pTrack == nullptr)
            throw new CMemoryException;

        if (!fileImage.Open(g_strInputFile, CFile::modeRead))
            RecordFailure(s_szNoInputFile);
        else if (!pDisk || !pDisk->Open(m_stopRequested)) {
            // An open given up for the stop request ends as any stopped write ends: with
            // nothing to report, as the user asked for no result.
            if (m_bStop.load() == 0)
                RecordFailure(s_szNoOutputDevice);
        } else
            CopyImage(fileImage, *pDisk, pTrack);
    } catch (CException* e) {
        RecordException(*e);
        e->Delete();
    } catch (const std::bad_alloc&) {
        RecordException(CMemoryException());
    }
    // The device, then the image, each closed here once, whichever way the write went.
    if (pDisk)
        pDisk->Close();
    fileImage.Abort();

    // Finishing, on every path: the buffer goes back, then the page learns that we are done.
    ReleasePageRegion(pTrack, TRACK_SIZE);
    PostToPage(WM_COMMAND, MAKEWPARAM(IDC_NEXT, 0));
    return FALSE;
}

void CWriteThread::CopyImage(CFile& fileImage, CDiskAccess& disk, void* pTrack)
{
    for (unsigned nSector = 0; nSector < DISK_SECTORS; nSector += SECTORS_PER_TRACK) {
        if (fileImage.Read(pTrack, TRACK_SIZE) != TRACK_SIZE) {
            RecordFailure(s_szUnexpectedEnd);
            return;
        }
        if (!disk.WriteTrack(nSector, pTrack))
            return;
        PostToPage(WM_APP, nSector * 100 / DISK_SECTORS);
        if (m_bStop.load() != 0)
            return;
    }
}
