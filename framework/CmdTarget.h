// Message maps: each class that handles commands or messages declares a static table from
// command or message id to member handler, chained to its base class's table. The dialog
// class looks a message up there instead of having a window procedure of its own.
#pragma once

#include "WinDefs.h"

class CCmdTarget;

using AFX_PCMD = void (CCmdTarget::*)();
using AFX_PMSG = LRESULT (CCmdTarget::*)(WPARAM, LPARAM);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;    // WM_COMMAND for commands; 0 ends the table
    UINT nID;         // the command id; 0 for messages
    AFX_PCMD pfnCmd;  // handler without arguments (commands, WM_PAINT)
    AFX_PMSG pfnMsg;  // handler with the message's parameters
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget
{
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Runs the handler that this object's message map (or a base class's) has for the
    // message; returns false when there is none.
    bool OnCmdMsg(UINT nMessage, UINT nID, WPARAM wParam, LPARAM lParam, LRESULT* pResult = nullptr);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                                  \
protected:                                                     \
    static const AFX_MSGMAP* GetThisMessageMap();              \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                       \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                  \
    {                                                                                \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                              \
        static const AFX_MSGMAP_ENTRY s_entries[] = {

#define END_MESSAGE_MAP()                                                            \
            {0, 0, nullptr, nullptr}};                                               \
        static const AFX_MSGMAP s_map = {&TheBaseClass::GetThisMessageMap, s_entries}; \
        return &s_map;                                                               \
    }

#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, static_cast<UINT>(id), static_cast<AFX_PCMD>(memberFxn), nullptr},

#define ON_MESSAGE(message, memberFxn) \
    {static_cast<UINT>(message), 0, nullptr, static_cast<AFX_PMSG>(memberFxn)},

#define ON_WM_PAINT() \
    {WM_PAINT, 0, static_cast<AFX_PCMD>(&ThisClass::OnPaint), nullptr},
