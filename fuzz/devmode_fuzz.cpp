// Private records as any application may hand them over: conversion and merge must keep within
// the record and leave every validated field in range.
#include <algorithm>
#include <cstring>
#include <vector>

#include "fuzz_target.h"
#include "private_devmode.h"
#include "settings_fields.h"

using qzr::PrivateDevmode;

namespace {

// Exactly one record each, so a sanitizer sees any access past it.
std::vector<std::uint8_t> RecordBytes(const std::uint8_t* data, std::size_t size,
                                      std::size_t offset) {
    std::vector<std::uint8_t> bytes(sizeof(PrivateDevmode));
    if (offset < size)
        std::memcpy(bytes.data(), data + offset, std::min(bytes.size(), size - offset));
    return bytes;
}

void CheckHeader(const PrivateDevmode& record) {
    QZR_FUZZ_CHECK(record.size == qzr::kPrivateDevmodeSize);
    QZR_FUZZ_CHECK(record.version == qzr::kPrivateDevmodeVersion);
}

}  // namespace

QZR_FUZZ_TARGET(devmode) {
    std::vector<std::uint8_t> sourceBytes = RecordBytes(data, size, 0);
    std::vector<std::uint8_t> targetBytes = RecordBytes(data, size, sizeof(PrivateDevmode));
    // Often give the two the same signature, or conversion would rarely copy.
    if (size > 0 && (data[0] & 1)) std::memcpy(&targetBytes[4], &sourceBytes[4], 4);
    const std::vector<std::uint8_t> before = targetBytes;

    auto* source = reinterpret_cast<const PrivateDevmode*>(sourceBytes.data());
    auto* target = reinterpret_cast<PrivateDevmode*>(targetBytes.data());
    const bool sameSignature = source->signature == target->signature;
    const std::size_t copied = std::min({source->size, target->size, qzr::kPrivateDevmodeSize});

    QZR_FUZZ_CHECK(qzr::ConvertPrivateDevmode(source, target));
    CheckHeader(*target);
    if (sameSignature) {
        for (std::size_t i = 12; i < sizeof(PrivateDevmode); ++i)
            QZR_FUZZ_CHECK(targetBytes[i] == (i < copied ? sourceBytes[i] : before[i]));
    } else {
        QZR_FUZZ_CHECK(target->signature == qzr::kPrivateDevmodeSignature);
        const qzr::ColorSettings zero{};
        QZR_FUZZ_CHECK(std::memcmp(&target->settings, &zero, sizeof zero) == 0);
        QZR_FUZZ_CHECK(std::memcmp(target->previewImagePath,
                                   reinterpret_cast<const PrivateDevmode*>(before.data())
                                       ->previewImagePath,
                                   sizeof target->previewImagePath) == 0);
    }

    const qzr::ColorSettings converted = target->settings;
    QZR_FUZZ_CHECK(qzr::ValidatePrivateDevmode(target));
    CheckHeader(*target);
    QZR_FUZZ_CHECK(target->signature == qzr::kPrivateDevmodeSignature);
    for (const qzr::SettingsField& field : qzr::kSettingsFields) {
        const std::int32_t value = qzr::ReadField(target->settings, field);
        const std::int32_t was = qzr::ReadField(converted, field);
        if (!field.validated) {
            QZR_FUZZ_CHECK(value == was);
        } else if (was >= field.keptMin && was <= field.keptMax) {
            QZR_FUZZ_CHECK(value == was);
        } else {
            QZR_FUZZ_CHECK(value == field.replacement);
        }
    }
}
