// The event on Windows: the system's manual-reset event.
#include "framework/core/Event.h"

#include "framework/core/Types.h"

struct CEvent::SEvent
{
    HANDLE hEvent;
};

CEvent::CEvent()
    : m_pEvent(std::make_unique<SEvent>(SEvent{::CreateEventA(nullptr, TRUE, FALSE, nullptr)}))
{
}

CEvent::~CEvent()
{
    if (m_pEvent->hEvent != nullptr)
        ::CloseHandle(m_pEvent->hEvent);
}

void CEvent::SetEvent()
{
    ::SetEvent(m_pEvent->hEvent);
}

BOOL CEvent::Lock(DWORD dwTimeout) const
{
    return ::WaitForSingleObject(m_pEvent->hEvent, dwTimeout) == WAIT_OBJECT_0 ? TRUE : FALSE;
}

bool CEvent::IsSet() const
{
    return ::WaitForSingleObject(m_pEvent->hEvent, 0) == WAIT_OBJECT_0;
}

int CEvent::GetPollDescriptor() const
{
    return -1;
}
