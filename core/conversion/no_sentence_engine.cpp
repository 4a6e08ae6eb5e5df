// Builds without the conversion engine: conversion is the dictionaries' alone.
#include "core/conversion/sentence_converter.h"

namespace pukana {

bool sentenceEngineBuiltIn() {
    return false;
}

std::unique_ptr<SentenceConverter> loadSentenceEngine(const QString&) {
    return nullptr;
}

} // namespace pukana
