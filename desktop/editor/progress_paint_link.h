#pragma once

#include "link/forwarding_link.h"

class CProgressDialog;

// The link of a desktop transfer: before each read it shows what the dialog
// has been given since the last one, while the request is on the line and the
// radio has yet to answer, so that the radio never waits for the screen. It
// never paints between two writes: a frame sent in two calls leaves as one.
class CProgressPaintLink final : public ForwardingLink {
public:
    CProgressPaintLink(SerialLink& inner, CProgressDialog& dialog) : ForwardingLink(inner), m_dialog(dialog) {}

    ReadResult Read(std::size_t n) override;

private:
    CProgressDialog& m_dialog;
};
