#include "settings/Enums.h"

#include "platform/Text.h"

namespace tq {

QString label(CompletionLength value)
{
    switch (value) {
    case CompletionLength::short_: return text("Short");
    case CompletionLength::medium: return text("Medium");
    case CompletionLength::long_: return text("Long");
    }
    return {};
}

QString label(EscapeBehavior value)
{
    switch (value) {
    case EscapeBehavior::dismiss: return text("Hide the suggestion");
    case EscapeBehavior::dismissForField: return text("Hide suggestions until I change fields");
    case EscapeBehavior::passThrough: return text("Do nothing, send Escape to the app");
    }
    return {};
}

QString label(InsertionMethod value)
{
    switch (value) {
    case InsertionMethod::typing: return text("Type it");
    case InsertionMethod::accessibility: return text("Insert through Accessibility");
    case InsertionMethod::paste: return text("Paste it");
    }
    return {};
}

QString label(GhostStyle value)
{
    switch (value) {
    case GhostStyle::grey: return text("Grey");
    case GhostStyle::tinted: return text("Gold tint");
    }
    return {};
}

QString title(EngineKind value)
{
    switch (value) {
    case EngineKind::builtIn: return text("%app model");
    case EngineKind::apple: return text("On-device model");
    case EngineKind::ollama: return text("Ollama");
    case EngineKind::openAI: return text("Local server");
    }
    return {};
}

QString detail(EngineKind value)
{
    switch (value) {
    case EngineKind::builtIn: return text("Runs on this computer after a one-time download. Works offline.");
    case EngineKind::apple: return text("The system's own language model. Nothing to download.");
    case EngineKind::ollama: return text("Any model you run in Ollama, base models included.");
    case EngineKind::openAI: return text("LM Studio, llama-server or any OpenAI-compatible endpoint.");
    }
    return {};
}

QString detail(InsertionMethod value)
{
    switch (value) {
    case InsertionMethod::typing: return text("Sends the text as keystrokes. Works almost everywhere.");
    case InsertionMethod::accessibility: return text("Writes straight into the field. Cleanest in GTK and Qt apps.");
    case InsertionMethod::paste: return text("Uses the clipboard, then puts your clipboard back.");
    }
    return {};
}

QString shortLabel(InsertionMethod value)
{
    switch (value) {
    case InsertionMethod::typing: return text("Typing", "insertion method");
    case InsertionMethod::accessibility: return text("Accessibility");
    case InsertionMethod::paste: return text("Paste");
    }
    return {};
}

} // namespace tq
