#include "common/Catalogue.h"

#include "common/JsonText.h"

std::optional<Catalogue> Catalogue::Read(std::string_view json, std::string* fault) {
    const auto fail = [fault](std::string why) -> std::optional<Catalogue> {
        if (fault) {
            *fault = std::move(why);
        }
        return std::nullopt;
    };
    if (json.size() > kLargest) {
        return fail("larger than " + std::to_string(kLargest / 1024 / 1024) + " MB");
    }
    const JsonText::Parsed parsed = JsonText::Parse(json);
    const std::optional<JsonValue>& document = parsed.document;
    if (!document || document->kind != JsonValue::Kind::Object) {
        return fail(document ? "not a JSON object" : parsed.fault);
    }
    const JsonValue* language = document->Find("language");
    const JsonValue* plural = document->Find("plural");
    const JsonValue* messages = document->Find("messages");
    if (!language || language->kind != JsonValue::Kind::String || language->text.empty()) {
        return fail("no language");
    }
    if (!messages || messages->kind != JsonValue::Kind::Object) {
        return fail("no messages");
    }
    Catalogue catalogue;
    catalogue.language_ = language->text;
    if (plural) {
        std::string ruleFault;
        std::optional<PluralRule> rule = plural->kind == JsonValue::Kind::String
                                             ? PluralRule::Read(plural->text, &ruleFault)
                                             : std::nullopt;
        if (!rule) {
            return fail("plural rule: " + (ruleFault.empty() ? "not a text" : ruleFault));
        }
        catalogue.plural_ = std::move(*rule);
    }
    for (const auto& [message, forms] : messages->members) {
        std::vector<std::string> texts;
        for (const JsonValue& form : forms.items) {
            if (form.kind != JsonValue::Kind::String) {
                return fail("message \"" + message + "\": a form that is not a text");
            }
            texts.push_back(form.text);
        }
        if (forms.kind != JsonValue::Kind::Array || texts.empty()) {
            return fail("message \"" + message + "\": no forms");
        }
        catalogue.messages_[message] = std::move(texts);
    }
    return catalogue;
}

const std::string* Catalogue::Find(std::string_view message, long n) const {
    const auto found = messages_.find(message);
    if (found == messages_.end()) {
        return nullptr;
    }
    const long form = plural_.Form(n);
    if (form < 0 || form >= static_cast<long>(found->second.size())) {
        return nullptr;
    }
    return &found->second[static_cast<std::size_t>(form)];
}
