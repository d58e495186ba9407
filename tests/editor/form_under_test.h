#pragma once

#include "editor/form_controls.h"
#include "image/radio_image.h"

#include <memory>
#include <ostream>

// The two forms the load and store rules run on: the plain record of the
// command line and the desktop form with its widgets. Every rule is checked
// on both, so they cannot drift apart.
enum class FormKind { Record, Widget };

inline std::ostream& operator<<(std::ostream& out, FormKind kind)
{
    return out << (kind == FormKind::Record ? "Record" : "Widget");
}

class FormUnderTest {
public:
    virtual ~FormUnderTest() = default;

    virtual FormControls& controls() = 0;
    // Opens the image: the document takes it and the form loads it.
    virtual void load(const RadioImage& image) = 0;
    // Stores the form into a copy of base and returns it.
    virtual RadioImage store(const RadioImage& base) = 0;
    // Picks an item as a user does, with the reaction it has on the form.
    virtual void choose(FormCombo combo, int index) = 0;
    virtual void deleteChannel(long row) = 0;
    virtual void addChannel(long row) = 0;
    virtual int appliedModel() const = 0;
};

std::unique_ptr<FormUnderTest> MakeForm(FormKind kind);

// The reset image with channel n's 16 bytes replaced.
RadioImage ImageWithChannel(int n, const std::array<std::uint8_t, 16>& bytes);
