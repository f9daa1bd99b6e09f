// The second page: the choice of drive A: or B:, kept in the wizard state for the writer.
#pragma once

#include "TextStatic.h"
#include "TitleStatic.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

#include <string>

class CDrivePage : public CDialog
{
public:
    CDrivePage();
    ~CDrivePage() override;

    CTextStatic m_ctlTitle2;
    CTitleStatic m_ctlText4;
    CTitleStatic m_ctlTitle1;
    CButton m_ctlText2;
    std::string m_strTitle1;
    std::string m_strText1;
    std::string m_strText3;
    std::string m_strText4;
    int m_nDrive;  // 0: A:, 1: B:
    std::string m_strTitle2;
    std::string m_strText2;

protected:
    DECLARE_MESSAGE_MAP()

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnNext();
    void OnPrev();

private:
    // Reads the choice back and keeps it in the wizard state; false if reading failed.
    bool StoreDrive();
};
