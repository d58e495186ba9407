#include "cable_check.h"

#include "image/text_fill.h"
#include "image/ui_text.h"

#include <cmath>
#include <cstdio>

namespace {

std::string hexAddress(std::size_t address)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%03zX", address);
    return text;
}

std::string whole(double value)
{
    return std::to_string(static_cast<long>(std::lround(value)));
}

std::string verdict(const CableCheckReport& report, TranslateText tr)
{
    if (report.agrees())
        return tr(HMPROG_TEXT("The two reads agree: the cable carried the radio's 1024 bytes the same way twice."));
    std::string text;
    if (report.first != TransferResult::Completed)
        text += tr(HMPROG_TEXT("The first read did not complete.")) + '\n';
    else if (report.second != TransferResult::Completed)
        text += tr(HMPROG_TEXT("The second read did not complete.")) + '\n';
    if (!report.bothCompleted())
        return text + tr(HMPROG_TEXT("Nothing could be compared."));
    text += FillText(tr(HMPROG_TEXT("The two reads differ in %1 of 128 blocks: the cable or a connector "
                                    "changes bytes on the way.")),
                     {std::to_string(report.differingBlocks.size())});
    for (std::size_t block : report.differingBlocks) {
        const std::size_t first = block * RadioImage::kBlockSize;
        text += '\n' + FillText(tr(HMPROG_TEXT("  Block %1 (%2-%3)")),
                                {std::to_string(block), hexAddress(first),
                                 hexAddress(first + RadioImage::kBlockSize - 1)});
    }
    return text;
}

} // namespace

std::string CableCheckText(const CableCheckReport& report, TranslateText tr)
{
    const LineCounts& c = report.counts;
    std::string text = verdict(report, tr);
    if (report.bytesPerSecond > 0)
        text += '\n' + FillText(tr(HMPROG_TEXT("Speed: %1 bytes of memory per second (the line carries at most %2).")),
                                {whole(report.bytesPerSecond), whole(kLineMemoryBytesPerSecond)});
    text += '\n' + FillText(tr(HMPROG_TEXT("Echoes: %1 (bytes the cable handed back as they were sent).")),
                            {std::to_string(c.echoes)});
    text += '\n' + FillText(tr(HMPROG_TEXT("Garbage: %1 (bytes that were neither the radio's answer nor an echo).")),
                            {std::to_string(c.garbage)});
    text += '\n' + FillText(tr(HMPROG_TEXT("Retries: %1 (wake-up attempts the radio did not answer).")),
                            {std::to_string(c.retries)});
    return text;
}
