#pragma once

#include "form/form_controls.h"
#include "image/radio_image.h"

#include <memory>
#include <ostream>
#include <vector>

// The two forms the load and store rules run on: the plain record of the
// command line and the desktop form with its widgets. Every rule is checked
// on both, so they cannot drift apart: the core's form_tests run these tests
// on the record, the desktop's editor_tests run the same tests on the widgets.
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

// The forms this test program runs the tests on, and how it makes each.
std::vector<FormKind> FormKindsUnderTest();
std::unique_ptr<FormUnderTest> MakeForm(FormKind kind);

std::unique_ptr<FormUnderTest> MakeRecordForm();

// The reset image with channel n's 16 bytes replaced.
RadioImage ImageWithChannel(int n, const std::array<std::uint8_t, 16>& bytes);
