// A page's title: the control's text in a bold copy of the dialog's font, word-wrapped,
// on whatever lies beneath the control.
#pragma once

#include "framework/Controls.h"

class CTitleStatic : public CStatic
{
public:
    ~CTitleStatic() override = default;

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
