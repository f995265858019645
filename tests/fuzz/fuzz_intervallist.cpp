// The ".int" reader on arbitrary bytes, and what the interval list dialog and the tuner do with a
// list read: the list sorted and counted under both category schemes, the playback's walk down
// and back up the tree, the justness of intervals transposed by others, the nearest degree of a
// few frequencies. A list read is then written and read back: what the program writes it must be
// able to open, and a second round changes nothing.

#include "FuzzCheck.h"

#include "intervals/CategoryScheme.h"
#include "intervals/IntervalListFile.h"
#include "intervals/Justesse.h"
#include "intervals/ListInterv.h"
#include "intervals/ListWalk.h"
#include "intervals/NearestDegree.h"

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

using ReadStatus = IntervalListFile::ReadStatus;

void useTheList(const QList<Interval> &intervals)
{
    for (int s = 0; s < CategoryScheme::kCount; ++s) {
        const int *bornes = CategoryScheme::at(s).bornes;
        ListInterv liste;
        liste.setList(intervals, bornes);
        FUZZ_CHECK(liste.liste.size() == intervals.size());
        int counted = 0;
        for (int k = 0; k < ListInterv::kNbCategories; ++k) {
            FUZZ_CHECK(liste.nbCat[k] >= 0);
            counted += liste.nbCat[k];
        }
        FUZZ_CHECK(counted <= liste.liste.size());
        for (int i = 1; i < liste.liste.size(); ++i)
            FUZZ_CHECK(!(liste.liste[i].cent < liste.liste[i - 1].cent));

        const QVector<int> rows = ListWalk::treeRows(liste.nbCat);
        FUZZ_CHECK(rows.size() == ListInterv::kNbCategories + counted);
        ListWalk walk(rows, liste.liste.size() - 1);
        int steps = 0;
        while (!walk.step()) {
            FUZZ_CHECK(walk.row() >= 0 && walk.row() < rows.size());
            FUZZ_CHECK(++steps <= 2 * rows.size() + 2);
        }

        const int n = std::min(liste.liste.size(), 32);
        for (int p = 0; p < n; ++p)
            calcEcartJustesse(liste.liste, p, liste.liste[(p * 7) % liste.liste.size()].cent);
        for (double f : {27.5, 440.0, 1234.5, 15000.0}) {
            const NearestDegree d = NearestDegree::find(liste, 261.63, f);
            FUZZ_CHECK(d.index >= -1 && d.index < liste.liste.size());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    zibfuzz::quietQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const IntervalListFile::ReadResult read = IntervalListFile::parse(bytes);
    FUZZ_CHECK(read.status == ReadStatus::Ok || read.status == ReadStatus::NotAList);
    if (read.status != ReadStatus::Ok)
        return 0;
    useTheList(read.contents.intervals);

    const QByteArray written = IntervalListFile::serialise(read.contents);
    FUZZ_CHECK(!written.isEmpty());
    const IntervalListFile::ReadResult again = IntervalListFile::parse(written);
    FUZZ_CHECK(again.status == ReadStatus::Ok);
    FUZZ_CHECK(again.numberMatches);
    FUZZ_CHECK(again.contents.intervals.size() == read.contents.intervals.size());
    FUZZ_CHECK(again.contents.title == read.contents.title);
    FUZZ_CHECK(again.contents.author == read.contents.author);
    FUZZ_CHECK(again.contents.description == read.contents.description);
    for (int i = 0; i < read.contents.intervals.size(); ++i)
        FUZZ_CHECK(again.contents.intervals[i].desc == read.contents.intervals[i].desc);
    FUZZ_CHECK(IntervalListFile::serialise(again.contents) == written);
    return 0;
}
