#include "core/error.h"

#include <cerrno>

namespace pukana {

PukanaError::PukanaError(int number, QString description)
    : number_(number), description_(std::move(description)),
      utf8_(description_.toUtf8().toStdString()) {}

QString errorDescription(int number, const QString& subject) {
    QString text;
    switch (number) {
    case err::OutOfMemory:
        text = QStringLiteral("メモリが不足しています。");
        break;
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
    case err::ReadOnlyFileSystem:
        text = QStringLiteral("読み取り専用のディスクには書き込めません。");
        break;
    case err::NameTooLong:
        text = QStringLiteral("パス名またはファイル名が長すぎます。");
        break;
    case err::NotRegularFile:
        text = QStringLiteral("ふつうのファイルではありません（フォルダーや装置はひらけません）。");
        break;
    case err::FileTooLarge:
        text = QStringLiteral("ファイルが大きすぎます。");
        break;
    case err::ReadPermissionDenied:
        text = QStringLiteral("読み込みが許可されていません。");
        break;
    default:
        text = QStringLiteral("エラー %1 が発生しました。").arg(number);
        break;
    }
    if (!subject.isEmpty())
        text += QStringLiteral("（%1）").arg(subject);
    return text;
}

int errorNumberFromErrno(int errnoValue, bool writing) {
    switch (errnoValue) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return err::DiskFull;
    case EROFS:
        return err::ReadOnlyFileSystem;
    case EACCES:
    case EPERM:
        return writing ? err::PermissionDenied : err::ReadPermissionDenied;
    case ENOENT:
        return err::FileNotFound;
    case ENOTDIR:
        return err::PathNotFound;
    case ENAMETOOLONG:
        return err::NameTooLong;
    case ENOMEM:
        return err::OutOfMemory;
    case EFBIG:
        return err::FileTooLarge;
    default:
        return err::PathFileAccess;
    }
}

void raiseError(int number, const QString& subject) {
    throw PukanaError(number, errorDescription(number, subject));
}

} // namespace pukana
