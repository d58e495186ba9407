// The engine as the page's script sees it: embind functions for everything
// that answers at once, and one plain export for the transfers, which the
// script calls through ccall with {async: true} because they await the port.

#include "web/engine/engine_session.h"
#include "web/engine/engine_transfer.h"
#include "web/engine/web_radio.h"

#include "form/form_contents.h"
#include "form/impossible_values.h"
#include "form/setting_labels.h"
#include "form/write_verify.h"
#include "image/image_bytes.h"
#include "image/image_layout.h"
#include "image/text_fill.h"
#include "image/radio_models.h"

#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <optional>
#include <span>
#include <vector>

using emscripten::val;

namespace {

EngineSession& session()
{
    static EngineSession theSession;
    return theSession;
}

FormSession& formSession()
{
    return session().session();
}

// The page's current cell is the one it types into or the first channel it
// acts on: Undo makes it current again.
FormSession& at(long row, long col = kColRxFreq)
{
    formSession().SetCurrentCell({row, col});
    return formSession();
}

std::optional<TransferOutcome>& lastTransfer()
{
    static std::optional<TransferOutcome> outcome;
    return outcome;
}

std::vector<std::uint8_t> bytesOf(const val& array)
{
    return emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
}

val byteArray(std::span<const std::uint8_t> bytes)
{
    const val view(emscripten::typed_memory_view(bytes.size(), bytes.data()));
    return val::global("Uint8Array").new_(view);
}

std::optional<RadioImage> imageOf(const val& array)
{
    const std::vector<std::uint8_t> bytes = bytesOf(array);
    RadioImage image;
    if (!LoadImageFileBytes(bytes, image))
        return std::nullopt;
    return image;
}

val stringArray(const std::vector<std::string>& texts)
{
    val array = val::array();
    for (const std::string& text : texts)
        array.call<void>("push", text);
    return array;
}

val commitResult(const CellCommit& commit)
{
    val result = val::object();
    result.set("accepted", commit.accepted);
    result.set("text", commit.text);
    result.set("message", commit.message);
    return result;
}

val formState()
{
    const FormRecord& form = session().form();
    val combos = val::array();
    for (const SettingLabel& setting : SettingLabels()) {
        const FormRecord::Combo& combo = form.combo(setting.combo);
        val state = val::object();
        state.set("label", std::string(setting.label));
        state.set("items", stringArray(combo.items));
        state.set("index", form.GetCurSel(setting.combo));
        state.set("enabled", combo.enabled);
        combos.call<void>("push", state);
    }
    val grid = val::array();
    for (long r = 0; r < form.GetRows(); ++r) {
        std::vector<std::string> cells;
        for (long c = 0; c < form.GetCols(); ++c)
            cells.push_back(form.GetTextMatrix(r, c));
        grid.call<void>("push", stringArray(cells));
    }
    val state = val::object();
    state.set("combos", combos);
    state.set("grid", grid);
    state.set("pttIdCode", form.GetPttIdCode());
    state.set("modified", formSession().Modified());
    state.set("canUndo", formSession().History().CanUndo());
    state.set("canRedo", formSession().History().CanRedo());
    state.set("undoText", formSession().UndoText());
    state.set("redoText", formSession().RedoText());
    return state;
}

// The cell to make current again; null when there was no step to take.
val shownCell(const std::optional<GridCell>& cell)
{
    if (!cell)
        return val::null();
    val result = val::object();
    result.set("row", cell->row);
    result.set("col", cell->col);
    return result;
}

val pasteRows(int row, const std::string& text)
{
    const RowsPaste pasted = at(row).PasteRows(row, text);
    val result = val::object();
    result.set("first", pasted.written.first);
    result.set("last", pasted.written.last);
    result.set("report", pasted.report);
    return result;
}

val openChannelFile(const val& bytes, const std::string& name)
{
    const std::vector<std::uint8_t> data = bytesOf(bytes);
    const FileOpen opened = session().OpenChannelFile(data, name);
    val result = val::object();
    result.set("ok", opened.ok);
    result.set("message", opened.message);
    return result;
}

val saveChannelFile()
{
    return byteArray(session().SaveChannelFile());
}

void selectCombo(int combo, int index)
{
    if (combo >= 0 && combo < kFormComboCount)
        formSession().SelectCombo(SettingLabels()[static_cast<std::size_t>(combo)].combo, index);
}

// The file's bytes as they are (embind takes a Uint8Array for a
// std::string): the import tells their encoding, not the page.
val importCsv(const std::string& file)
{
    const ChannelImport imported = formSession().ImportCsv(file);
    val result = val::object();
    result.set("ok", imported.Loaded());
    result.set("report", imported.Text());
    return result;
}

// "" when against is not one image long.
std::string previewWrite(const val& against)
{
    const std::optional<RadioImage> before = imageOf(against);
    return before ? session().PreviewWrite(*before) : std::string();
}

// What the page says of values no radio of the image's model can hold: the
// heading and, one a line, the values (with the question when asking), both
// "" when there are none.
val valuesMessage(const std::optional<RadioImage>& image, const char* heading, bool asking)
{
    std::string detail;
    if (image) {
        for (const ImpossibleValue& value : FindImpossibleValues(*image))
            detail += FillText(value) + '\n';
    }
    val result = val::object();
    result.set("text", detail.empty() ? std::string() : std::string(heading));
    if (asking && !detail.empty())
        detail += std::string("\n") + kImpossibleValuesQuestion;
    result.set("detail", detail);
    return result;
}

std::string showText(const val& bytes)
{
    const std::optional<RadioImage> image = imageOf(bytes);
    return image ? ShowText(*image) : std::string();
}

// The Model combo's text for the radio whose memory this is; "" for a byte
// no model records, or bytes that are not one image long.
std::string modelOf(const val& bytes)
{
    const std::optional<RadioImage> image = imageOf(bytes);
    const RadioModel* model = image ? ModelByByte(image->bytes()[layout::kModel]) : nullptr;
    return model ? std::string(model->modelText) : std::string();
}

std::string verifyText(const val& written, const val& readBack)
{
    const std::optional<RadioImage> sent = imageOf(written);
    const std::optional<RadioImage> back = imageOf(readBack);
    return sent && back ? VerifyText(VerifyWrittenBlocks(*sent, *back)) : std::string();
}

val takeTransferOutcome()
{
    val result = val::object();
    if (!lastTransfer())
        return result;
    const TransferOutcome& outcome = *lastTransfer();
    result.set("ok", outcome.ok);
    result.set("cancelled", outcome.cancelled);
    result.set("message", outcome.message);
    result.set("partlyWritten", outcome.partlyWritten);
    result.set("otherModel", outcome.otherModel);
    result.set("warning", outcome.warning);
    result.set("verify", outcome.verify);
    if (outcome.image)
        result.set("image", byteArray(outcome.image->bytes()));
    lastTransfer().reset();
    return result;
}

std::optional<CheckOutcome>& lastCheck()
{
    static std::optional<CheckOutcome> outcome;
    return outcome;
}

val takeCheckOutcome()
{
    val result = val::object();
    if (!lastCheck())
        return result;
    const CheckOutcome& outcome = *lastCheck();
    result.set("agrees", outcome.agrees);
    result.set("cancelled", outcome.cancelled);
    result.set("message", outcome.message);
    result.set("report", outcome.report);
    val blocks = val::array();
    for (int block : outcome.differingBlocks)
        blocks.call<void>("push", block);
    result.set("differingBlocks", blocks);
    result.set("bytesPerSecond", outcome.bytesPerSecond);
    result.set("echoes", static_cast<double>(outcome.counts.echoes));
    result.set("garbage", static_cast<double>(outcome.counts.garbage));
    result.set("retries", static_cast<double>(outcome.counts.retries));
    lastCheck().reset();
    return result;
}

val webRadioReceive(WebRadio& radio, const val& bytes)
{
    return byteArray(radio.Receive(bytesOf(bytes)));
}

val webRadioImage(const WebRadio& radio)
{
    return byteArray(radio.memory().bytes());
}

} // namespace

extern "C" {

// mode: 0 reads the radio into the form, 1 writes it, 2 reads it and leaves
// the form as it is.
EMSCRIPTEN_KEEPALIVE void hmprog_transfer(int mode)
{
    const TransferDirection direction = mode == 1 ? TransferDirection::Write : TransferDirection::Read;
    lastTransfer() = RunTransfer(session(), direction, mode == 2 ? ReadInto::OutcomeOnly : ReadInto::Form);
}

// Write with the write safety around it, its questions asked through
// Module.hmprogWrite.
EMSCRIPTEN_KEEPALIVE void hmprog_write_safely(int checkValues, int preview, int verify)
{
    lastTransfer() =
        WriteFromPage(session(), {.checkValues = checkValues != 0, .preview = preview != 0, .verify = verify != 0});
}

// Check Cable: the radio read twice and compared.
EMSCRIPTEN_KEEPALIVE void hmprog_check_cable()
{
    lastCheck() = RunCableCheck();
}

} // extern "C"

EMSCRIPTEN_BINDINGS(hmprog_engine)
{
    using namespace emscripten;
    function("newForm", +[] { formSession().NewForm(); });
    function("openChannelFile", &openChannelFile);
    function("saveChannelFile", &saveChannelFile);
    function("state", &formState);
    function("selectCombo", &selectCombo);
    function("commitCell", +[](int row, int col, const std::string& text) {
        return commitResult(at(row, col).CommitCell(row, col, text));
    });
    function("setPttIdCode", +[](const std::string& text) { return commitResult(formSession().SetPttIdCode(text)); });
    function("addChannel", +[](int row) { at(row).AddChannel(row); });
    function("deleteChannel", +[](int row) { at(row).DeleteRows({row, row}); });
    function("clearChannel", +[](int row) { at(row).ClearRows({row, row}); });
    function("undo", +[] { return shownCell(formSession().Undo()); });
    function("redo", +[] { return shownCell(formSession().Redo()); });
    function("copyRows", +[](int first, int last) { return formSession().CopyRows({first, last}); });
    function("cutRows", +[](int first, int last) { return at(first).CutRows({first, last}); });
    function("pasteRows", &pasteRows);
    function("moveRows", +[](int first, int last, int by) { return at(first).MoveRows({first, last}, by); });
    function("clearRows", +[](int first, int last) { at(first).ClearRows({first, last}); });
    function("deleteRows", +[](int first, int last) { at(first).DeleteRows({first, last}); });
    function("exportCsv", +[] { return session().ExportCsv(); });
    function("importCsv", &importCsv);
    function("previewWrite", &previewWrite);
    function("verifyText", &verifyText);
    function("modelOf", &modelOf);
    function("impossibleValuesIn",
             +[](const val& bytes) { return valuesMessage(imageOf(bytes), kImpossibleValuesOpened, false); });
    function("impossibleValuesToWrite",
             +[] { return valuesMessage(session().StoredImage(), kImpossibleValuesWrite, true); });
    function("showText", &showText);
    function("cellChoices", +[](int col) { return stringArray(CellChoices(col)); });
    function("takeTransferOutcome", &takeTransferOutcome);
    function("takeCheckOutcome", &takeCheckOutcome);

    class_<WebRadio>("SimulatedRadio")
        .constructor(+[](const std::string& model, const std::string& fault, int faultBlock, const val& image) {
            return MakeWebRadio(model, fault, faultBlock, bytesOf(image));
        }, allow_raw_pointers())
        .function("receive", &webRadioReceive)
        .function("image", &webRadioImage);
}
