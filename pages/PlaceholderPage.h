// TEMPORARY: stands in for the writing page and the two result pages until they are built.
// It shows the page's own template with a title and a note, and ends as its buttons say.
#pragma once

#include "TextStatic.h"
#include "TitleStatic.h"
#include "framework/Dialog.h"

#include <string>

class CPlaceholderPage : public CDialog
{
public:
    CPlaceholderPage(UINT nIDTemplate, std::string strTitle2, std::string strText1, const char* pszCancel = "Cancel");
    ~CPlaceholderPage() override;

    CTextStatic m_ctlTitle2;
    CTitleStatic m_ctlTitle1;
    std::string m_strTitle1;
    std::string m_strTitle2;
    std::string m_strText1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    const char* m_pszCancel;
};

// TEMPORARY stand-ins for the writing page and the two result pages.
class CWritePage : public CPlaceholderPage
{
public:
    CWritePage();
};

class CFinishPage : public CPlaceholderPage
{
public:
    CFinishPage();
};

class CErrorPage : public CPlaceholderPage
{
public:
    CErrorPage();
};
