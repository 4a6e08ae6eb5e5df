#include "platform/platform.h"

namespace pukana {

QList<MessageResult> messageButtons(MessageStyle style) {
    switch (style) {
    case MessageStyle::OkCancel:
        return {MessageResult::Ok, MessageResult::Cancel};
    case MessageStyle::YesNoQuestion:
    case MessageStyle::YesNoExclamationNo:
        return {MessageResult::Yes, MessageResult::No};
    case MessageStyle::YesNoCancelExclamation:
        return {MessageResult::Yes, MessageResult::No, MessageResult::Cancel};
    case MessageStyle::Ok:
    case MessageStyle::OkExclamation:
        break;
    }
    return {MessageResult::Ok};
}

MessageIcon messageIcon(MessageStyle style) {
    switch (style) {
    case MessageStyle::OkExclamation:
    case MessageStyle::YesNoCancelExclamation:
    case MessageStyle::YesNoExclamationNo:
        return MessageIcon::Exclamation;
    case MessageStyle::YesNoQuestion:
        return MessageIcon::Question;
    case MessageStyle::Ok:
    case MessageStyle::OkCancel:
        break;
    }
    return MessageIcon::None;
}

MessageResult defaultResult(MessageStyle style) {
    return style == MessageStyle::YesNoExclamationNo ? MessageResult::No
                                                     : messageButtons(style).constFirst();
}

} // namespace pukana
