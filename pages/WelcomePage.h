// The first page: greets the user and says what the program will do.
#pragma once

#include "TextStatic.h"
#include "TitleStatic.h"
#include "framework/Dialog.h"

#include <string>

class CWelcomePage : public CDialog
{
public:
    CWelcomePage();
    ~CWelcomePage() override;

    CTextStatic m_ctlText3;
    CTextStatic m_ctlText2;
    CTextStatic m_ctlText1;
    CTitleStatic m_ctlTitle1;
    std::string m_strTitle1;
    std::string m_strText1;
    std::string m_strText2;
    std::string m_strText3;

protected:
    DECLARE_MESSAGE_MAP()

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnNext();
};
