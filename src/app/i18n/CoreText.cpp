// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/CoreText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "controls/QtConvert.h"

namespace {

constexpr const char* kContext = "CoreText";

// In the order of the core's folders; "%1" and "%2" stand for what the line is made with.
constexpr const char* kLines[] = {
    // Titles of the message boxes.
    QT_TRANSLATE_NOOP("CoreText", "KovarisWin(エラー)"),
    QT_TRANSLATE_NOOP("CoreText", "KovarisWin(警告)"),
    QT_TRANSLATE_NOOP("CoreText", "KovarisWM(エラー)"),
    QT_TRANSLATE_NOOP("CoreText", "KovarisWM(警告)"),
    // settings/
    QT_TRANSLATE_NOOP("CoreText",
                      "設定ファイルを読み込めませんでした。このファイルには保存しません"),
    QT_TRANSLATE_NOOP("CoreText",
                      "色設定ファイルを読み込めませんでした。このファイルには保存しません"),
    QT_TRANSLATE_NOOP("CoreText", "設定の保存に失敗しました"),
    QT_TRANSLATE_NOOP("CoreText", "読み込めなかったファイルには保存しません"),
    QT_TRANSLATE_NOOP("CoreText", "%1 の値に Shift-JIS で書けない文字があります"),
    QT_TRANSLATE_NOOP("CoreText", "データのパスが設定されていません。"),
    QT_TRANSLATE_NOOP("CoreText", "整数を入力してください。"),
    QT_TRANSLATE_NOOP("CoreText", "%1 から %2 までの整数を入力してください。"),
    QT_TRANSLATE_NOOP("CoreText",
                      "データフォルダのパス %1 には Kovaris.ini (Shift-JIS) に書けない文字があり"
                      "ます。環境変数 XDG_DATA_HOME で別のフォルダを指定してください。"),
    QT_TRANSLATE_NOOP("CoreText", "設定フォルダ %1 を作れません。"),
    QT_TRANSLATE_NOOP("CoreText", "インストールされたデモデータが見つかりません: %1"),
    QT_TRANSLATE_NOOP("CoreText", "デモデータを %1 にコピーできません。"),
    QT_TRANSLATE_NOOP("CoreText", "設定ファイル %1 を書けません。"),
    QT_TRANSLATE_NOOP("CoreText", "時刻表 UP"),
    QT_TRANSLATE_NOOP("CoreText", "時刻表 DOWN"),
    QT_TRANSLATE_NOOP("CoreText", "1時間前表示"),
    QT_TRANSLATE_NOOP("CoreText", "1時間後表示"),
    QT_TRANSLATE_NOOP("CoreText", "リアルタイムモード"),
    QT_TRANSLATE_NOOP("CoreText", "到着駅一覧 UP"),
    QT_TRANSLATE_NOOP("CoreText", "到着駅一覧 DOWN"),
    QT_TRANSLATE_NOOP("CoreText", "乗換 次へ"),
    QT_TRANSLATE_NOOP("CoreText", "乗換 戻る"),
    QT_TRANSLATE_NOOP("CoreText", "乗換 最初へ"),
    // board/
    QT_TRANSLATE_NOOP("CoreText", "発車まであと%1分"),
    QT_TRANSLATE_NOOP("CoreText", "出発まであと%1分"),
    // catalogue/
    QT_TRANSLATE_NOOP("CoreText", "到着駅リストから乗換駅を選択してください"),
    QT_TRANSLATE_NOOP("CoreText", "乗り換えデータを設定した到着駅を選択してください"),
    QT_TRANSLATE_NOOP("CoreText", "乗り換え前の時刻表はありません"),
    QT_TRANSLATE_NOOP("CoreText", "環境ファイルの読み込みに失敗しました"),
    QT_TRANSLATE_NOOP("CoreText", "ディレクトリ下にTBLファイルがありません"),
    QT_TRANSLATE_NOOP("CoreText", "TBLファイルの読み込みに失敗しました"),
    QT_TRANSLATE_NOOP("CoreText",
                      "TBLファイルが Shift-JIS ではなく UTF-8 で書かれているため、文字化けします"),
    QT_TRANSLATE_NOOP("CoreText", "変換するには: %1"),
    QT_TRANSLATE_NOOP("CoreText", "ボードの次の時刻表を読み込めませんでした"),
    QT_TRANSLATE_NOOP("CoreText", "＞ ルート(vekt.cfg)"),
    QT_TRANSLATE_NOOP("CoreText", "＞ ルート"),
    // The window's own messages, told through the same Messenger.
    QT_TRANSLATE_NOOP("CoreText", "HOME が設定されていないため、設定フォルダがわかりません。"),
    QT_TRANSLATE_NOOP("CoreText", "設定フォルダ %1 に移れません。"),
    QT_TRANSLATE_NOOP("CoreText", "設定を保存しました"),
};

// A known line with arguments, as a pattern that captures them in the order they stand.
struct Template {
    const char* source;
    QRegularExpression pattern;
    std::vector<int> arguments;  // the number of each capture's placeholder
};

const std::vector<Template>& Templates() {
    static const std::vector<Template> templates = [] {
        static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
        std::vector<Template> out;
        for (const char* source : kLines) {
            const QString text = QString::fromUtf8(source);
            Template t{source, {}, {}};
            QString pattern = QStringLiteral("\\A");
            qsizetype from = 0;
            for (auto it = placeholder.globalMatch(text); it.hasNext();) {
                const QRegularExpressionMatch match = it.next();
                pattern += QRegularExpression::escape(text.mid(from, match.capturedStart() - from));
                pattern += QStringLiteral("(.+?)");
                t.arguments.push_back(match.captured(1).toInt());
                from = match.capturedEnd();
            }
            if (t.arguments.empty()) {
                continue;
            }
            pattern += QRegularExpression::escape(text.mid(from)) + QStringLiteral("\\z");
            t.pattern.setPattern(pattern);
            out.push_back(std::move(t));
        }
        return out;
    }();
    return templates;
}

// `translated` with each placeholder replaced in one pass, so an argument holding "%2" stays.
QString Fill(const QString& translated, const Template& t, const QRegularExpressionMatch& match) {
    QString out;
    for (qsizetype i = 0; i < translated.size(); ++i) {
        const int number = translated[i] == u'%' && i + 1 < translated.size()
                               ? translated[i + 1].digitValue()
                               : -1;
        const auto found = std::find(t.arguments.begin(), t.arguments.end(), number);
        if (number > 0 && found != t.arguments.end()) {
            out += match.captured(static_cast<int>(found - t.arguments.begin()) + 1);
            ++i;
        } else {
            out += translated[i];
        }
    }
    return out;
}

QString TranslateLine(const QString& line) {
    const QByteArray key = line.toUtf8();
    const QString whole = QCoreApplication::translate(kContext, key.constData());
    if (whole != line) {
        return whole;
    }
    for (const Template& t : Templates()) {
        const QRegularExpressionMatch match = t.pattern.match(line);
        if (match.hasMatch()) {
            return Fill(QCoreApplication::translate(kContext, t.source), t, match);
        }
    }
    return line;
}

}  // namespace

QString TranslateCoreText(std::wstring_view text) {
    QStringList lines = ToQString(text).split(u'\n');
    for (QString& line : lines) {
        line = TranslateLine(line);
    }
    return lines.join(u'\n');
}
