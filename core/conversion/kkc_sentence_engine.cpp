// The conversion engine on libkkc: its language model and its n-best decoder.
#include "core/conversion/sentence_converter.h"

#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>
#include <libkkc/libkkc.h>

namespace pukana {

namespace {

// The model the library installs (the system's when no folder is given).
constexpr const char* ModelName = "sorted3";

// libkkc's n-best search grows exponentially with the length of the input, worst for
// repeated syllables (five conversions of 28 い take a minute, of 24 up to two seconds);
// past this length only the best one, which takes linear time, is asked for.
constexpr qsizetype NbestLengthLimit = 24;

// libkkc is opened when the model loads, not linked: the program starts as fast without
// it, and starts at all where the library is missing. The header still types every call.
struct KkcApi {
    decltype(&kkc_init) init;
    decltype(&kkc_language_model_load) loadModel;
    decltype(&kkc_language_model_metadata_new) newMetadata;
    decltype(&kkc_language_model_metadata_create_language_model) createModel;
    decltype(&kkc_decoder_create) createDecoder;
    decltype(&kkc_decoder_decode) decode;
    decltype(&kkc_segment_get_output) segmentOutput;
    decltype(&g_object_unref) objectUnref;
    decltype(&g_error_free) errorFree;
    decltype(&g_free) free;
};

template <class Function> bool resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Null when libkkc cannot be opened. Opened once, and never closed: GLib types cannot be
// unloaded.
const KkcApi* kkc() {
    static const KkcApi* const api = []() -> const KkcApi* {
        void* library = dlopen("libkkc.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return nullptr;
        static KkcApi found;
        const bool complete =
            resolve(library, "kkc_init", found.init) &&
            resolve(library, "kkc_language_model_load", found.loadModel) &&
            resolve(library, "kkc_language_model_metadata_new", found.newMetadata) &&
            resolve(library, "kkc_language_model_metadata_create_language_model",
                    found.createModel) &&
            resolve(library, "kkc_decoder_create", found.createDecoder) &&
            resolve(library, "kkc_decoder_decode", found.decode) &&
            resolve(library, "kkc_segment_get_output", found.segmentOutput) &&
            resolve(library, "g_object_unref", found.objectUnref) &&
            resolve(library, "g_error_free", found.errorFree) &&
            resolve(library, "g_free", found.free);
        if (!complete)
            return nullptr;
        found.init();
        return &found;
    }();
    return api;
}

struct GObjectUnref {
    void operator()(gpointer object) const { kkc()->objectUnref(object); }
};
template <class T> using GPtr = std::unique_ptr<T, GObjectUnref>;

QString joinedOutput(KkcSegment* segment) {
    QByteArray text;
    for (; segment; segment = segment->next) {
        if (const gchar* output = kkc()->segmentOutput(segment))
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
            kkc()->decode(decoder_.get(), input.constData(), n, nullptr, 0, &count);
        for (gint i = 0; i < count; ++i) {
            if (!paths[i])
                continue;
            const QString text = joinedOutput(paths[i]);
            if (!text.isEmpty())
                conversions << text;
            kkc()->objectUnref(paths[i]);
        }
        kkc()->free(paths);
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
        model = kkc()->loadModel(ModelName, &error);
    } else {
        const QString metadata = QDir(modelDir).filePath(QStringLiteral("metadata.json"));
        if (!QFileInfo(metadata).isFile())
            return nullptr;
        const QByteArray path = QFile::encodeName(metadata);
        GPtr<KkcLanguageModelMetadata> meta(
            kkc()->newMetadata(ModelName, path.constData(), &error));
        if (meta)
            model = kkc()->createModel(meta.get(), &error);
    }
    if (error)
        kkc()->errorFree(error);
    return GPtr<KkcLanguageModel>(model);
}

} // namespace

bool sentenceEngineBuiltIn() {
    return true;
}

std::unique_ptr<SentenceConverter> loadSentenceEngine(const QString& modelDir) {
    if (!kkc())
        return nullptr;
    GPtr<KkcLanguageModel> model = loadModel(modelDir);
    if (!model)
        return nullptr;
    GPtr<KkcDecoder> decoder(kkc()->createDecoder(model.get()));
    if (!decoder)
        return nullptr;
    return std::make_unique<KkcSentenceEngine>(std::move(model), std::move(decoder));
}

} // namespace pukana
