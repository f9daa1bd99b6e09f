// A page's text: the control's text in the dialog's font, word-wrapped, on whatever lies
// beneath the control.
#pragma once

#include "framework/Controls.h"

class CTextStatic : public CStatic
{
public:
    ~CTextStatic() override = default;

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
