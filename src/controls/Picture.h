// CPicture: a bitmap static (SS_BITMAP with SS_REALSIZECONTROL) drawn at its dialog's scale. The
// template gives it a rectangle as wide as its bitmap at 96 DPI; the dialog scales the rectangle
// with its dialog units, and the picture shows a copy of the bitmap resampled to the rectangle's
// width, in proportion, made again when the window's DPI changes.
#pragma once

#include "framework/Controls.h"

class CPicture : public CStatic
{
public:
    CPicture() = default;
    ~CPicture() override;

protected:
    void PreSubclassWindow() override;
    void OnDpiChangedAfterParent();
    // Gives the static its own bitmap back, so it ends as it began, and deletes the copy.
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    // Shows a copy of the bitmap as wide as the window, its height in proportion, and fits the
    // window to it.
    void ShowScaled();

    HBITMAP m_hOriginal = nullptr; // the static's own bitmap, loaded from the template
    HBITMAP m_hScaled = nullptr;   // the copy shown, owned
};
