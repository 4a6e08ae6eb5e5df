// The conversion engine on libkkc: its language model and its n-best decoder.
#include "core/conversion/sentence_converter.h"

#include <QDir>
#include <QFileInfo>
#include <mutex>

#include <libkkc/libkkc.h>

namespace pukana {

namespace {

// The model the library installs (the system's when no folder is given).
constexpr const char* ModelName = "sorted3";

// libkkc's n-best search grows exponentially with the length of the input, worst for
// repeated syllables (five conversions of 28 い take a minute, of 24 up to two seconds);
// past this length only the best one, which takes linear time, is asked for.
constexpr qsizetype NbestLengthLimit = 24;

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <class T> using GPtr = std::unique_ptr<T, GObjectUnref>;

QString joinedOutput(KkcSegment* segment) {
    QByteArray text;
    for (; segment; segment = segment->next) {
        if (const gchar* output = kkc_segment_get_output(segment))
            text += output;
    }
    return QString::fromUtf8(text);
}

class KkcSentenceEngine : public SentenceConverter {
public:
    KkcSentenceEngine(GPtr<KkcLanguageModel> model, GPtr<KkcDecoder> decoder)
        : model_(std::move(model)), decoder_(std::move(decoder)) {}

    QStringList nbest(const QString& reading, int n) override {
        QStringList conversions;
        if (reading.isEmpty() || n <= 0)
            return conversions;
        if (reading.size() > NbestLengthLimit)
            n = 1;
        const QByteArray input = reading.toUtf8();
        gint count = 0;
        KkcSegment** paths =
            kkc_decoder_decode(decoder_.get(), input.constData(), n, nullptr, 0, &count);
        for (gint i = 0; i < count; ++i) {
            if (!paths[i])
                continue;
            const QString text = joinedOutput(paths[i]);
            if (!text.isEmpty())
                conversions << text;
            g_object_unref(paths[i]);
        }
        g_free(paths);
        return conversions;
    }

private:
    GPtr<KkcLanguageModel> model_;
    GPtr<KkcDecoder> decoder_;
};

GPtr<KkcLanguageModel> loadModel(const QString& modelDir) {
    GError* error = nullptr;
    KkcLanguageModel* model = nullptr;
    if (modelDir.isEmpty()) {
        model = kkc_language_model_load(ModelName, &error);
    } else {
        const QString metadata = QDir(modelDir).filePath(QStringLiteral("metadata.json"));
        if (!QFileInfo(metadata).isFile())
            return nullptr;
        const QByteArray path = QFile::encodeName(metadata);
        GPtr<KkcLanguageModelMetadata> meta(
            kkc_language_model_metadata_new(ModelName, path.constData(), &error));
        if (meta)
            model = kkc_language_model_metadata_create_language_model(meta.get(), &error);
    }
    if (error)
        g_error_free(error);
    return GPtr<KkcLanguageModel>(model);
}

} // namespace

bool sentenceEngineBuiltIn() {
    return true;
}

std::unique_ptr<SentenceConverter> loadSentenceEngine(const QString& modelDir) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { kkc_init(); });
    GPtr<KkcLanguageModel> model = loadModel(modelDir);
    if (!model)
        return nullptr;
    GPtr<KkcDecoder> decoder(kkc_decoder_create(model.get()));
    if (!decoder)
        return nullptr;
    return std::make_unique<KkcSentenceEngine>(std::move(model), std::move(decoder));
}

} // namespace pukana
