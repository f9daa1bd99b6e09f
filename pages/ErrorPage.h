// The last page after a failed write: the error, the image file and the device.
#pragma once

#include "TextStatic.h"
#include "TitleStatic.h"
#include "framework/Dialog.h"

#include <string>

class CErrorPage : public CDialog
{
public:
    CErrorPage();
    ~CErrorPage() override;

    CTextStatic m_ctlTitle2;
    CTitleStatic m_ctlText2;
    CTitleStatic m_ctlTitle1;
    std::string m_strTitle1;
    std::string m_strText1;
    std::string m_strText2;  // the error, from g_strError
    std::string m_strText3;
    std::string m_strText4;  // the image file, from g_strInputFile
    std::string m_strText5;
    std::string m_strText6;  // the device, from g_strOutputDevice
    std::string m_strText7;
    std::string m_strTitle2;

protected:
    DECLARE_MESSAGE_MAP()

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
