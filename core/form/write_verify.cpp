#include "form/write_verify.h"

#include "form/form_fields.h"
#include "form/image_changes.h"
#include "link/protocol_bytes.h"

#include <algorithm>

namespace {

void addFieldsOnce(std::vector<std::string> names, std::vector<std::string>& fields)
{
    for (std::string& name : names) {
        if (std::find(fields.begin(), fields.end(), name) == fields.end())
            fields.push_back(std::move(name));
    }
}

} // namespace

std::vector<BlockMismatch> VerifyWrittenBlocks(const RadioImage& written, const RadioImage& readBack)
{
    std::vector<BlockMismatch> mismatches;
    for (std::size_t block = 0; block < RadioImage::kBlockCount; ++block) {
        const auto sent = written.block(block);
        const auto kept = readBack.block(block);
        // std::equal, not std::ranges::equal: emscripten's standard library has no ranges yet.
        if (!protocol::IsWrittenBlock(block) || std::equal(sent.begin(), sent.end(), kept.begin()))
            continue;
        BlockMismatch mismatch{.address = block * RadioImage::kBlockSize, .fields = {}};
        for (std::size_t i = 0; i < RadioImage::kBlockSize; ++i) {
            const std::size_t offset = mismatch.address + i;
            const auto diff = static_cast<std::uint8_t>(written.byte(offset) ^ readBack.byte(offset));
            addFieldsOnce(FormFieldsAt(offset, diff), mismatch.fields);
        }
        mismatches.push_back(std::move(mismatch));
    }
    return mismatches;
}

std::string MismatchedBlocksText(const std::vector<BlockMismatch>& mismatches)
{
    std::string text;
    for (const BlockMismatch& mismatch : mismatches)
        text += ' ' + HexAddress(mismatch.address);
    return text;
}

std::string VerifyText(const std::vector<BlockMismatch>& mismatches)
{
    if (mismatches.empty())
        return std::string(kVerifiedText) + "\n";
    std::string text = std::string(kVerifyFailedText) + "\n";
    for (const BlockMismatch& mismatch : mismatches) {
        std::string fields;
        for (const std::string& field : mismatch.fields)
            fields += (fields.empty() ? "" : ", ") + field;
        text += HexAddress(mismatch.address) + ": " + (fields.empty() ? kOutsideFormText : fields) + "\n";
    }
    return text;
}
