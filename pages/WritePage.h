// The third page: starts the writer the moment it opens, shows its progress, and closes when
// the writer has ended; Cancel stops the writer after the track it is writing.
#pragma once

#include "TextStatic.h"
#include "TitleStatic.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "writer/WriteThread.h"

#include <string>

class CWritePage : public CDialog
{
public:
    CWritePage();
    ~CWritePage() override;

    CTextStatic m_ctlTitle2;
    CProgressCtrl m_ctlProgress;
    CTitleStatic m_ctlTitle1;
    std::string m_strTitle1;
    std::string m_strText1;
    std::string m_strTitle2;
    CWriteThread m_thread;

protected:
    // The writer takes its image and its drive from site instead of the program's own.
    explicit CWritePage(const CWriteSite& site);

    DECLARE_MESSAGE_MAP()

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;

    LRESULT OnProgress(WPARAM wParam, LPARAM lParam);
    void OnNext();
};
