#include "core/error.h"

namespace pukana {

PukanaError::PukanaError(int number, QString description)
    : number_(number), description_(std::move(description)),
      utf8_(description_.toUtf8().toStdString()) {}

QString errorDescription(int number, const QString& subject) {
    QString text;
    switch (number) {
    case err::SubscriptOutOfRange:
        text = QStringLiteral("インデックスが有効範囲にありません。");
        break;
    case err::FileNotFound:
        text = QStringLiteral("ファイルが見つかりません。");
        break;
    case err::DiskFull:
        text = QStringLiteral("ディスクの空き容量が不足しています。");
        break;
    case err::InputPastEnd:
        text = QStringLiteral("ファイルの終わりを越えて読み込もうとしました。");
        break;
    case err::PermissionDenied:
        text = QStringLiteral("書き込みが許可されていません。");
        break;
    case err::PathFileAccess:
        text = QStringLiteral("パス名またはファイル名が無効です。");
        break;
    case err::PathNotFound:
        text = QStringLiteral("パスが見つかりません。");
        break;
    case err::InvalidFormat:
        text = QStringLiteral("ファイルの形式が正しくありません。");
        break;
    case err::NotSupported:
        text = QStringLiteral("この操作はまだサポートされていません。");
        break;
    case err::Cancel:
        text = QStringLiteral("キャンセルされました。");
        break;
    default:
        text = QStringLiteral("エラー %1 が発生しました。").arg(number);
        break;
    }
    if (!subject.isEmpty())
        text += QStringLiteral("（%1）").arg(subject);
    return text;
}

void raiseError(int number, const QString& subject) {
    throw PukanaError(number, errorDescription(number, subject));
}

} // namespace pukana
