#pragma once

#include "form_under_test.h"

#include "codec/frequency.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using Bytes16 = std::array<std::uint8_t, 16>;

// A form of either kind, with the band limits cleared before each test.
class FormFixture {
protected:
    void start(FormKind kind)
    {
        g_bandLow = 0;
        g_bandHigh = 0;
        m_form = MakeForm(kind);
    }

    FormControls& form() { return m_form->controls(); }

    // Columns 1 to 8 of row n.
    std::vector<std::string> row(long n)
    {
        std::vector<std::string> cells;
        for (long c = 1; c <= 8; ++c)
            cells.push_back(form().GetTextMatrix(n, c));
        return cells;
    }

    void setRow(long n, const std::vector<std::string>& cells)
    {
        for (long c = 1; c <= 8; ++c)
            form().SetTextMatrix(n, c, cells[static_cast<std::size_t>(c - 1)]);
    }

    std::unique_ptr<FormUnderTest> m_form;
};

class FormTest : public ::testing::TestWithParam<FormKind>, protected FormFixture {
protected:
    void SetUp() override { start(GetParam()); }
};

// A table of cases, each run on both forms.
template <typename Case>
class FormCaseTest : public ::testing::TestWithParam<std::tuple<FormKind, Case>>, protected FormFixture {
protected:
    void SetUp() override { start(std::get<0>(this->GetParam())); }
    const Case& testCase() const { return std::get<1>(this->GetParam()); }
};

inline const std::vector<std::string> kEmptyRow(8);

inline const auto kFormsUnderTest = ::testing::ValuesIn(FormKindsUnderTest());

// "Widget_squelch_10" from a case with a name member.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<std::tuple<FormKind, Case>>& info) const
    {
        return (std::get<0>(info.param) == FormKind::Record ? std::string("Record_") : std::string("Widget_")) +
               std::get<1>(info.param).name;
    }
};
