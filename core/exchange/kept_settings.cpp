#include "exchange/kept_settings.h"

namespace {

bool hasAny(const ColumnPositions& columns, std::initializer_list<CsvColumn> any)
{
    for (const CsvColumn column : any) {
        if (columns.has(column))
            return true;
    }
    return false;
}

void addName(std::string& names, bool missing, std::string_view name)
{
    if (!missing)
        return;
    if (!names.empty())
        names += ", ";
    names += name;
}

} // namespace

GivenSettings SettingsGivenBy(const ColumnPositions& columns)
{
    GivenSettings given;
    given.rxTone = hasAny(columns, {CsvColumn::Tone, CsvColumn::Ctcss, CsvColumn::RxTone});
    given.txTone = hasAny(columns, {CsvColumn::Tone, CsvColumn::Ctcss, CsvColumn::TxTone});
    given.busy = hasAny(columns, {CsvColumn::Busy});
    given.highPower = hasAny(columns, {CsvColumn::Power});
    given.narrow = hasAny(columns, {CsvColumn::Mode, CsvColumn::Bandwidth});
    given.scanAdd = hasAny(columns, {CsvColumn::Skip, CsvColumn::Scan});
    return given;
}

ChannelSettings WithUngivenKept(ChannelSettings read, const ChannelSettings& kept, const GivenSettings& given)
{
    if (!given.rxTone)
        read.rxTone = kept.rxTone;
    if (!given.txTone)
        read.txTone = kept.txTone;
    if (!given.busy)
        read.busy = kept.busy;
    if (!given.highPower)
        read.highPower = kept.highPower;
    if (!given.narrow)
        read.narrow = kept.narrow;
    if (!given.scanAdd)
        read.scanAdd = kept.scanAdd;
    return read;
}

std::string UngivenColumnNames(const GivenSettings& given)
{
    std::string names;
    if (!given.rxTone && !given.txTone) {
        addName(names, true, "Tone");
    } else {
        addName(names, !given.rxTone, "Rx Tone");
        addName(names, !given.txTone, "Tx Tone");
    }
    addName(names, !given.narrow, "Mode");
    addName(names, !given.scanAdd, "Skip");
    addName(names, !given.highPower, "Power");
    addName(names, !given.busy, "Busy");
    return names;
}
