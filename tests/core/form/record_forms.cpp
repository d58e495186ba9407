#include "form_under_test.h"

// The core's own run: the plain record only.
std::vector<FormKind> FormKindsUnderTest()
{
    return {FormKind::Record};
}

std::unique_ptr<FormUnderTest> MakeForm(FormKind)
{
    return MakeRecordForm();
}
