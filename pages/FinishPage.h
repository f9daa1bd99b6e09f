// The last page after a successful write: how to go on with the new boot diskette.
#pragma once

#include "TextStatic.h"
#include "TitleStatic.h"
#include "framework/Dialog.h"

#include <string>

class CFinishPage : public CDialog
{
public:
    CFinishPage();
    ~CFinishPage() override;

    CTextStatic m_ctlTitle2;
    CTitleStatic m_ctlTitle1;
    std::string m_strTitle1;
    std::string m_strText1;
    std::string m_strText2;
    std::string m_strText3;
    std::string m_strTitle2;

protected:
    DECLARE_MESSAGE_MAP()

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
