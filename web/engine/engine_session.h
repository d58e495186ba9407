#pragma once

#include "form/form_record.h"
#include "form/form_session.h"
#include "image/radio_image.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct FileOpen {
    bool ok = false;
    std::string message;
};

// The page's one document: the radio image and the form that shows it, a
// plain record driven by the same form session as the desktop form. What is
// the page's own is here: files as bytes and the read and written images.
class EngineSession {
public:
    EngineSession();
    EngineSession(const EngineSession&) = delete;
    EngineSession& operator=(const EngineSession&) = delete;

    FormSession& session() { return m_session; }
    const FormSession& session() const { return m_session; }
    const FormRecord& form() const { return m_form; }

    // The refusals of the desktop: only exactly one image's worth of bytes is
    // a channel file. A refused file leaves the document as it was.
    [[nodiscard]] FileOpen OpenChannelFile(std::span<const std::uint8_t> bytes, const std::string& name);
    // File Save: the form stored into the image, and the image's bytes.
    [[nodiscard]] std::vector<std::uint8_t> SaveChannelFile();
    [[nodiscard]] std::string ExportCsv();

    // The image as a write or a save sends it: the form stored into it.
    [[nodiscard]] RadioImage StoredImage() { return m_session.Store(); }
    // A completed read: the radio's memory becomes the document.
    void LoadReadImage(const RadioImage& image);
    // The form's view of what a write would change in a radio holding against.
    [[nodiscard]] std::string PreviewWrite(const RadioImage& against);

private:
    RadioImage m_image;
    FormRecord m_form;
    FormSession m_session{m_form, m_image};
};

// What a cell of grid column col offers to choose from: the tone list for the
// tone columns, the fixed items of the option columns, none for the others.
[[nodiscard]] std::vector<std::string> CellChoices(int col);

// The form as `hmprog-cli show` prints it after opening image: the settings,
// then the channel table.
[[nodiscard]] std::string ShowText(const RadioImage& image);
