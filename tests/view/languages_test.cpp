// SPDX-License-Identifier: MIT
// The window's nine languages: each catalogue has every text of a lesson or marks what awaits
// its translator; each language, once chosen, shows no text of another anywhere in the window,
// its menus or the lesson's window; and choosing a language from the menu changes every word at
// once while the scene, the prediction and the notebook stay as they were, and is remembered.
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QTableView>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <set>

#include "lesson/plot.h"
#include "lesson/texts.h"
#include "support.h"
#include "view/fonts.h"
#include "view/language.h"
#include "view/notebook_window.h"
#include "view/program.h"

namespace korru {
namespace {

// A catalogue as its translator sees it: each text with its translation, and the texts whose
// translation is still to come (Qt Linguist's unfinished, empty).
struct Catalogue {
    std::map<QString, QString> translated;  // a counted text's first form
    std::map<QString, QStringList> forms;   // a counted text's plural forms
    std::set<QString> awaited;
};

Catalogue read_catalogue(std::string_view code) {
    QFile file(QStringLiteral(KORRU_SOURCE_DIR "/translations/korru_%1.ts")
                   .arg(QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()))));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    Catalogue c;
    QXmlStreamReader xml(&file);
    QString source;
    bool counted = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("message")) {
            counted = xml.attributes().value("numerus") == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("numerusform")) {
            c.forms[source] << xml.readElementText();
            if (c.forms[source].size() == 1) c.translated[source] = c.forms[source].front();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().value("type") == QLatin1String("unfinished");
            if (counted) continue;  // its forms follow
            const QString text = xml.readElementText();
            if (text.isEmpty()) {
                if (unfinished) c.awaited.insert(source);
            } else {
                c.translated[source] = text;
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return c;
}

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

const Language& language_of(QLocale::Language l) {
    return *language_of_tag(QLocale::languageToCode(l).toStdString());
}

std::vector<std::string_view> catalogue_codes() {
    std::vector<std::string_view> codes;
    for (const Language& l : kLanguages) {
        if (l.code != japanese().code) codes.push_back(l.code);
    }
    return codes;
}

class Catalogues : public testing::TestWithParam<std::string_view> {};

// A text new to the lesson is in every catalogue, translated or awaiting its translator (where
// korru_update_translations put it); a translation keeps every number its text shows.
TEST_P(Catalogues, HaveEveryTextOfALessonAndKeepItsNumbers) {
    const Catalogue c = read_catalogue(GetParam());
    for (const std::string_view t : all_texts()) {
        const QString source = text(t);
        EXPECT_TRUE(c.translated.count(source) || c.awaited.count(source)) << t;
    }
    static const QRegularExpression number(QStringLiteral("%\\d"));
    for (const auto& [source, translation] : c.translated) {
        const auto numbers = [](const QString& s) {
            QStringList found;
            for (const auto& m : number.globalMatch(s)) found << m.captured();
            found.sort();
            return found;
        };
        EXPECT_EQ(numbers(translation), numbers(source)) << source.toStdString();
    }
}

// A counted text reads right for every count in every language: the page's and the lesson's
// rule (plural_form) picks the very form the toolkit's catalogue does, and each catalogue has as
// many forms as its language counts with.
TEST_P(Catalogues, CountRowsAsTheirLanguageCounts) {
    const Language& l = *language_of_tag(GetParam());
    const Catalogue c = read_catalogue(l.code);
    view::use_language(l);
    int forms_needed = 0;
    for (unsigned long n = 0; n <= 120; ++n)
        forms_needed = std::max(forms_needed, plural_form(l, n) + 1);
    for (const std::string_view t :
         {kCaptions.rows, std::string_view("%n 行はまだ保存されていません。")}) {
        const QStringList forms = c.forms.count(text(t)) ? c.forms.at(text(t)) : QStringList{};
        ASSERT_EQ(forms.size(), forms_needed) << t;
        for (unsigned long n : {0ul, 1ul, 2ul, 3ul, 4ul, 5ul, 11ul, 21ul, 101ul, 104ul}) {
            QString expected = forms[plural_form(l, n)];
            expected.replace(QStringLiteral("%n"), QString::number(n));
            EXPECT_EQ(view::counted(t, n), expected) << n;
            EXPECT_EQ(QString::fromStdString(
                          counted_as_written(forms[plural_form(l, n)].toStdString(), n)),
                      expected);
        }
    }
    view::use_language(japanese());
    EXPECT_EQ(view::counted(kCaptions.rows, 1), QStringLiteral("1 行"));
}

// The plot lays its words out by the room it reckons they need: with the window's own fonts each
// fits the box it is given, whole, in every language and either view.
TEST_P(Catalogues, PlotWordsFitTheirBoxes) {
    view::use_language(*language_of_tag(GetParam()));
    Notebook n;
    RowId id = 0;
    for (const float a : {2.0f, 8.0f, 12.0f, 19.75f}) {
        for (const float f : {4.0f, 6.0f}) {
            Measurement m;
            m.candle_distance = a;
            m.focal_length = f;
            m.image_distance = a * f / (a - f);
            m.image = m.image_distance > 0 ? ImageCase::real : ImageCase::virtual_image;
            if (m.image_distance > 0) m.screen = m.image_distance;
            n.add(++id, m);
        }
    }
    for (const PlotView view : {PlotView::distances, PlotView::reciprocals}) {
        for (const QSize size : {QSize(290, 217), QSize(460, 340), QSize(1600, 1000)}) {
            Drawing d;
            std::deque<std::string> words;
            draw_plot(n, view, size.width(), size.height(), view::translated_utf8, d, words);
            for (const Primitive& p : d) {
                const auto* t = std::get_if<Text>(&p);
                if (!t) continue;
                const QString shown = view::translated(t->text);
                const double needs = QFontMetricsF(view::text_font(*t)).horizontalAdvance(shown);
                EXPECT_LE(needs, t->box.width / kTwipsPerPixel + 0.5)
                    << shown.toStdString() << " at " << size.width() << " x " << size.height();
            }
        }
    }
    view::use_language(japanese());
}

INSTANTIATE_TEST_SUITE_P(Languages, Catalogues, testing::ValuesIn(catalogue_codes()),
                         [](const auto& info) { return std::string(info.param); });

// The scripts a language is written in, of those that tell languages apart here.
enum Script { kana = 1, han = 2, hangul = 4, devanagari = 8 };

int scripts_of(const QString& s) {
    int found = 0;
    for (const char32_t c : s.toUcs4()) {
        if ((c >= 0x3040 && c <= 0x30FF) || (c >= 0xFF61 && c <= 0xFF9F)) found |= kana;
        if ((c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF)) found |= han;
        if ((c >= 0xAC00 && c <= 0xD7AF) || (c >= 0x1100 && c <= 0x11FF)) found |= hangul;
        if (c >= 0x0900 && c <= 0x097F) found |= devanagari;
    }
    return found;
}

int scripts_allowed(std::string_view code) {
    if (code == "ja") return kana | han;
    if (code == "zh_CN") return han;
    if (code == "ko") return hangul;
    if (code == "ne") return devanagari;
    return 0;
}

// Every text the windows show or say: titles, captions, names and descriptions, the menus'
// entries but the languages' own names, the notebook's headings and a row.
QStringList shown_in(const std::vector<QWidget*>& tops) {
    QStringList shown;
    for (QWidget* top : tops) {
        shown << top->windowTitle();
        for (const QWidget* w : top->findChildren<QWidget*>()) {
            if (w->objectName() == QLatin1String("languages")) continue;
            shown << w->accessibleName() << w->accessibleDescription();
            for (const QAction* a : w->actions()) shown << a->text();
            if (const auto* b = qobject_cast<const QAbstractButton*>(w)) shown << b->text();
            if (const auto* l = qobject_cast<const QLabel*>(w)) shown << l->text();
            if (const auto* t = qobject_cast<const QTableView*>(w)) {
                const QAbstractItemModel* rows = t->model();
                for (int c = 0; c < rows->columnCount(); ++c) {
                    for (const int role : {Qt::DisplayRole, Qt::ToolTipRole}) {
                        shown << rows->headerData(c, Qt::Horizontal, role).toString();
                    }
                    shown << rows->index(0, c).data().toString();
                }
            }
        }
    }
    shown.removeAll(QString());
    return shown;
}

class EveryLanguage : public test::InLanguage, public test::ViewTest {};

// In each language no text the windows show is another's: no Japanese left as written, no
// English where a catalogue lacks a word, no script of another language; but what the
// language's catalogue still awaits, shown as written until its translator comes.
TEST_P(EveryLanguage, ShowsNoTextOfAnother) {
    const Language& here = language_of(GetParam());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
    view->notebook_window();
    QStringList shown = shown_in({view.get(), view->notebook_window()});
    for (const std::string_view t : all_texts()) shown << view::translated(t);
    shown << QString::fromStdString(session.words());

    std::map<std::string_view, Catalogue> catalogues;
    for (const Language& l : kLanguages) {
        if (l.code != japanese().code) catalogues[l.code] = read_catalogue(l.code);
    }
    const auto own_words = [&](const Language& l) {
        std::set<QString> words;
        if (l.code == japanese().code) {
            for (const auto& [source, translation] : catalogues["en"].translated)
                words.insert(source);
        } else {
            for (const auto& [source, translation] : catalogues[l.code].translated) {
                words.insert(translation);
            }
        }
        return words;
    };
    const std::set<QString> own = own_words(here);
    const std::set<QString> awaited =
        here.code == japanese().code ? std::set<QString>{} : catalogues[here.code].awaited;
    for (const Language& other : kLanguages) {
        if (&other == &here) continue;
        for (const QString& word : own_words(other)) {
            // Numbers and marks ("4", "½") are every language's.
            const bool letters =
                std::any_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); });
            if (!letters || own.count(word) || awaited.count(word)) continue;
            EXPECT_FALSE(shown.contains(word))
                << here.code << " shows " << other.code << "'s " << word.toStdString();
        }
    }
    for (const QString& s : shown) {
        if (awaited.count(s)) continue;
        EXPECT_EQ(scripts_of(s) & ~scripts_allowed(here.code), 0)
            << here.code << " shows " << s.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguage, testing::ValuesIn(test::kEveryLanguage),
                         [](const auto& info) { return test::language_name(info.param); });

QAction* language_entry(view::MainWindow& w, std::string_view code) {
    for (QAction* a : w.findChild<QWidget*>(QStringLiteral("work"))->actions()) {
        if (!a->menu() || a->menu()->objectName() != QLatin1String("languages")) continue;
        for (QAction* entry : a->menu()->actions()) {
            if (entry->data().toString() == text(code)) return entry;
        }
    }
    return nullptr;
}

// Korean chosen from the bench's menu in the middle of a lesson: the window speaks Korean at
// once, with the candle where it was, the mark still asked for and the notebook's row; the
// choice is remembered for the next start, and Japanese chosen again is too.
TEST(ChoosingALanguage, ChangesEveryWordAndKeepsTheLesson) {
    Window model;
    Session session(model, view::translated_utf8);
    session.start(ScreenSize::from_pixels(1024, 768));
    view::ProgramWindow program(session, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window(), test::kPatience));
    QTest::keyClick(&program.window(), Qt::Key_Right);
    QTest::keyClick(&program.window(), Qt::Key_R);
    QTest::keyClick(&program.window(), Qt::Key_N);
    QTest::keyClick(&program.window(), Qt::Key_P);
    const std::string scene = scene_json(model, {});
    ASSERT_EQ(session.notebook().rows().size(), 1U);
    ASSERT_TRUE(session.prediction().asked());
    const view::MainWindow* before = &program.window();

    QAction* korean = language_entry(program.window(), "ko");
    ASSERT_NE(korean, nullptr);
    korean->trigger();
    QTRY_VERIFY(&program.window() != before);
    QTest::qWait(10);
    view::MainWindow& now = program.window();
    EXPECT_EQ(now.findChild<QWidget*>(QStringLiteral("work"))->accessibleName(), "광학대");
    EXPECT_EQ(view::current_language().code, "ko");
    EXPECT_EQ(scene_json(model, {}), scene);
    EXPECT_EQ(session.notebook().rows().size(), 1U);
    EXPECT_TRUE(session.prediction().asked());
    ASSERT_NE(now.notebook_window(), nullptr);
    EXPECT_TRUE(now.notebook_window()->isVisible());
    EXPECT_TRUE(now.notebook_window()->windowTitle().contains("측정 노트"))
        << now.notebook_window()->windowTitle().toStdString();
    EXPECT_EQ(QSettings("korru", "korru").value("language").toString(), "ko");
    ASSERT_NE(language_entry(now, "ko"), nullptr);
    EXPECT_TRUE(language_entry(now, "ko")->isChecked());

    language_entry(now, "ja")->trigger();
    QTRY_VERIFY(view::current_language().code == "ja" && &program.window() != &now);
    EXPECT_EQ(QSettings("korru", "korru").value("language").toString(), "ja");
    view::use_system_language();
    EXPECT_EQ(view::current_language().code, "ja");
    QSettings("korru", "korru").remove("language");
}

}  // namespace
}  // namespace korru
