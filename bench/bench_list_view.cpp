// The list view with a play list of 100,000 rows of nine columns: filling it, sorting it,
// painting it, and the whole-list passes the play list makes (current-row marking,
// selections, removals).
#include "platform/list_view.h"
#include "principal_fenetres.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

using tulvane::platform::ListView;

namespace {

constexpr int kRows = 100000;

using Row = std::array<QString, 9>;

// Texts shaped like the play list's: file name, artist, title, album, genre, bitrate,
// path, duration, comment; a fixed generator so every run sorts the same data.
const std::vector<Row>& playListRows()
{
    static const std::vector<Row> rows = [] {
        static const std::array<const char*, 8> genres = {"Rock", "Pop", "Jazz", "Classique",
                                                          "Électro", "Blues", "Rap", "Folk"};
        static const std::array<int, 5> bitrates = {64, 128, 160, 192, 320};
        std::uint32_t seed = 12345;
        const auto next = [&seed] {
            seed = seed * 1664525u + 1013904223u;
            return seed >> 8;
        };
        std::vector<Row> all;
        all.reserve(kRows);
        for (int i = 0; i < kRows; ++i) {
            const QString artist = QString("Artiste %1").arg(next() % 2000);
            const QString album = QString("Album %1").arg(next() % 5000);
            const QString name = QString("piste %1 - %2.mp3").arg(next() % 100000).arg(i);
            all.push_back({name, artist, QString("Titre n°%1").arg(next() % 50000), album,
                           genres[next() % genres.size()],
                           QString("%1 kbps").arg(bitrates[next() % bitrates.size()], 3, 10, QChar('0')),
                           QString("/home/moi/Musique/%1/%2/%3").arg(artist, album, name),
                           QString("%1:%2").arg(next() % 12, 2, 10, QChar('0')).arg(next() % 60, 2, 10, QChar('0')),
                           QString("commentaire %1").arg(next() % 100)});
        }
        return all;
    }();
    return rows;
}

QTreeView* treeOf(ListView& list)
{
    return list.findChild<QTreeView*>();
}

// A shown list with the play list's nine columns, laid out and painted once.
std::unique_ptr<ListView> shownList()
{
    auto list = std::make_unique<ListView>();
    for (const char* caption : {"Nom du fichier", "Auteur", "Titre", "Album", "Style", "Kbps",
                                "Emplacement", "Durée", "Commentaires"})
        list->addColumn(caption, 110);
    list->setMultiSelect(true);
    list->setCheckboxes(true);
    list->resize(1000, 700);
    list->show();
    QCoreApplication::processEvents();
    return list;
}

void fill(ListView& list, int rows = kRows)
{
    const std::vector<Row>& all = playListRows();
    for (int i = 0; i < rows; ++i) {
        const Row& row = all[static_cast<std::size_t>(i)];
        const int item = list.add(row[0]);
        for (int k = 1; k <= 8; ++k)
            list.setSubItem(item, k, row[static_cast<std::size_t>(k)]);
    }
}

void settle(ListView& list)
{
    treeOf(list)->doItemsLayout();
    QCoreApplication::processEvents();
}

std::unique_ptr<ListView> filledList(int rows = kRows)
{
    auto list = shownList();
    fill(*list, rows);
    settle(*list);
    return list;
}

void renderViewport(ListView& list, QImage& image)
{
    treeOf(list)->viewport()->render(&image);
    benchmark::DoNotOptimize(image.constBits());
}

void BM_Insert100kRows(benchmark::State& state)
{
    playListRows();
    for (auto _ : state) {
        state.PauseTiming();
        auto list = shownList();
        state.ResumeTiming();
        fill(*list);
        settle(*list);  // the view lays the rows out once, at the next event
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_Insert100kRows)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Sort100kRowsByAColumn(benchmark::State& state)
{
    auto list = filledList();
    // Each round sorts by another column, so no round starts from sorted input.
    const std::array<int, 4> keys = {1, 2, 0, 6};
    std::size_t round = 0;
    for (auto _ : state) {
        list->setSortKey(keys[round++ % keys.size()]);
        list->setSorted(true);
    }
}
BENCHMARK(BM_Sort100kRowsByAColumn)->Unit(benchmark::kMillisecond)->Iterations(8);

// The painting of one screen of rows does not depend on how many rows there are.
void BM_RepaintViewport(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    auto list = filledList(rows);
    list->ensureVisible(rows / 2);
    QWidget* viewport = treeOf(*list)->viewport();
    QImage image(viewport->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        renderViewport(*list, image);
}
BENCHMARK(BM_RepaintViewport)->Arg(100)->Arg(kRows)->Unit(benchmark::kMillisecond);

void BM_ScrollThroughAll100kRows(benchmark::State& state)
{
    auto list = filledList();
    QTreeView* tree = treeOf(*list);
    QScrollBar* bar = tree->verticalScrollBar();
    QImage image(tree->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    int pages = 0;
    for (auto _ : state) {
        pages = 0;
        for (int v = 0; v <= bar->maximum(); v += bar->pageStep(), ++pages) {
            bar->setValue(v);
            renderViewport(*list, image);
        }
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_ScrollThroughAll100kRows)->Unit(benchmark::kMillisecond)->Iterations(1);

// The current-row marking writes the weight and colour of every row.
void BM_MarkCurrentRowOver100kRows(benchmark::State& state)
{
    auto list = filledList();
    int current = 1;
    for (auto _ : state) {
        current = current % kRows + 7;
        for (int i = 1; i <= kRows; ++i) {
            const bool mine = i == current;
            list->setForeColor(i, mine ? 0xFF0000u : ListView::kDefaultForeColor);
            list->setBold(i, mine);
        }
    }
}
BENCHMARK(BM_MarkCurrentRowOver100kRows)->Unit(benchmark::kMillisecond);

// A search selects scattered rows one by one; the view catches up once. Then the user
// toggles one more row with Ctrl+click, which Qt compares range by range.
void BM_SelectScatteredRowsThenCtrlClick(benchmark::State& state)
{
    auto list = filledList();
    QTreeView* tree = treeOf(*list);
    const int every = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int i = 1; i <= kRows; ++i)
            list->setSelected(i, i % every == 0);
        QCoreApplication::processEvents();
        const QPoint p = tree->visualRect(tree->model()->index(0, 0)).center();
        QMouseEvent press(QEvent::MouseButtonPress, p, tree->viewport()->mapToGlobal(p),
                          Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, p, tree->viewport()->mapToGlobal(p),
                            Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
        QApplication::sendEvent(tree->viewport(), &press);
        QApplication::sendEvent(tree->viewport(), &release);
    }
    state.counters["ranges"] = kRows / every;
}
BENCHMARK(BM_SelectScatteredRowsThenCtrlClick)->Arg(1000)->Arg(100)->Arg(20)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RemoveEveryOtherRow(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto list = filledList();
        for (int i = 1; i <= kRows; i += 3)
            list->setSelected(i, true);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        list->removeIf([](int item) { return item % 2 == 0; });
        QCoreApplication::processEvents();
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RemoveEveryOtherRow)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    return executerBancsFenetres(argc, argv);
}
