// tq-gguf-gen: writes a GGUF model with random weights and the vocabulary of an existing GGUF
// file (for example one of llama.cpp's models/ggml-vocab-*.gguf), of the llama architecture or of
// gemma4's (sliding-window layers, per-layer embeddings, layers sharing the KV of earlier ones).
// Used to make tiny models for the tests and realistic-size ones for the benchmarks.

#include <ggml.h>
#include <gguf.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string vocab;
    std::string out;
    int embd = 64;
    int layers = 2;
    int heads = 4;
    int kvHeads = 0; // 0: same as heads
    int ff = 128;
    int context = 4096;
    unsigned seed = 1;
    float spread = 0.02f;
    ggml_type type = GGML_TYPE_F32;
    bool tiedOutput = true;
    bool gemma4 = false;
    // gemma4 only
    int window = 512;        // sliding-window tokens
    int fullEvery = 5;       // every Nth layer attends to the whole context, the rest to the window
    int headDimFull = 0;     // 0: embd / heads (the window layers' head size)
    int perLayer = 0;        // per-layer embedding width; 0: none
    int sharedKv = 0;        // last layers that reuse the KV of earlier ones
    int ffShared = 0;        // feed-forward width of those layers; 0: --ff
    int headDim = 0;         // window layers' head size; 0: embd / heads
};

void usage()
{
    std::fprintf(stderr,
        "usage: tq-gguf-gen --vocab FILE.gguf --out FILE.gguf [--embd N] [--layers N] [--heads N]\n"
        "                   [--kv-heads N] [--ff N] [--context N] [--type f32|f16|q8_0]\n"
        "                   [--seed N] [--spread X] [--untied]\n"
        "                   [--arch llama|gemma4] [--head-dim N] [--window N] [--full-every N]\n"
        "                   [--head-dim-full N] [--per-layer N] [--shared-kv N] [--ff-shared N]\n");
}

bool parse(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        const char* v = nullptr;
        if (a == "--untied") { o.tiedOutput = false; continue; }
        if (!(v = value())) return false;
        if (a == "--vocab") o.vocab = v;
        else if (a == "--out") o.out = v;
        else if (a == "--embd") o.embd = std::atoi(v);
        else if (a == "--layers") o.layers = std::atoi(v);
        else if (a == "--heads") o.heads = std::atoi(v);
        else if (a == "--kv-heads") o.kvHeads = std::atoi(v);
        else if (a == "--ff") o.ff = std::atoi(v);
        else if (a == "--context") o.context = std::atoi(v);
        else if (a == "--seed") o.seed = unsigned(std::strtoul(v, nullptr, 10));
        else if (a == "--spread") o.spread = float(std::atof(v));
        else if (a == "--arch") {
            const std::string arch = v;
            if (arch == "gemma4") o.gemma4 = true;
            else if (arch != "llama") return false;
        }
        else if (a == "--head-dim") o.headDim = std::atoi(v);
        else if (a == "--window") o.window = std::atoi(v);
        else if (a == "--full-every") o.fullEvery = std::atoi(v);
        else if (a == "--head-dim-full") o.headDimFull = std::atoi(v);
        else if (a == "--per-layer") o.perLayer = std::atoi(v);
        else if (a == "--shared-kv") o.sharedKv = std::atoi(v);
        else if (a == "--ff-shared") o.ffShared = std::atoi(v);
        else if (a == "--type") {
            std::string t = v;
            if (t == "f32") o.type = GGML_TYPE_F32;
            else if (t == "f16") o.type = GGML_TYPE_F16;
            else if (t == "q8_0") o.type = GGML_TYPE_Q8_0;
            else return false;
        } else return false;
    }
    if (o.kvHeads <= 0) o.kvHeads = o.heads;
    if (o.headDim <= 0) o.headDim = o.heads > 0 ? o.embd / o.heads : 0;
    if (o.headDimFull <= 0) o.headDimFull = o.headDim;
    if (o.ffShared <= 0) o.ffShared = o.ff;
    const bool common = !o.vocab.empty() && !o.out.empty() && o.embd > 0 && o.layers > 0 && o.heads > 0
        && o.heads % o.kvHeads == 0 && o.ff > 0 && o.context > 0;
    if (!o.gemma4)
        return common && o.embd % o.heads == 0;
    // The layers that share KV take it from the last window layer and the last full layer in
    // front of them.
    const int ownKv = o.layers - o.sharedKv;
    return common && o.window > 0 && o.fullEvery >= 2 && o.headDim % 2 == 0 && o.headDimFull % 2 == 0
        && o.perLayer >= 0 && o.sharedKv >= 0 && ownKv >= 2
        && (o.sharedKv == 0 || (ownKv % o.fullEvery == 0 && (ownKv - 1) % o.fullEvery != 0));
}

// Layer `il` of a gemma4 model attends to the sliding window (every layer but each Nth).
bool isWindowLayer(const Options& o, int il)
{
    return (il + 1) % o.fullEvery != 0;
}

// A fast generator for the gigabytes of a large model: an approximately normal value from the
// sum of four uniform ones.
struct FastNormal {
    std::uint64_t state;
    float spread;
    float operator()()
    {
        auto next = [this] {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            return state;
        };
        const std::uint64_t a = next();
        const std::uint64_t b = next();
        const float sum = float(a & 0xFFFFFFFFu) + float(a >> 32) + float(b & 0xFFFFFFFFu) + float(b >> 32);
        // Four uniforms on [0, 2^32): mean 2^33, standard deviation 2^32 / sqrt(3).
        return (sum - 8589934592.0f) * (spread * 1.7320508f / 4294967296.0f);
    }
};

struct Planned {
    ggml_tensor* tensor;
    bool norm; // filled with ones
};

} // namespace

int main(int argc, char** argv)
{
    Options o;
    if (!parse(argc, argv, o)) {
        usage();
        return 2;
    }

    gguf_init_params vp{ /*no_alloc*/ true, /*ctx*/ nullptr };
    gguf_context* vocab = gguf_init_from_file(o.vocab.c_str(), vp);
    if (!vocab) {
        std::fprintf(stderr, "tq-gguf-gen: cannot read vocabulary file %s\n", o.vocab.c_str());
        return 1;
    }
    const int64_t tokensKey = gguf_find_key(vocab, "tokenizer.ggml.tokens");
    if (tokensKey < 0) {
        std::fprintf(stderr, "tq-gguf-gen: %s holds no tokenizer.ggml.tokens\n", o.vocab.c_str());
        gguf_free(vocab);
        return 1;
    }
    const int64_t nVocab = int64_t(gguf_get_arr_n(vocab, tokensKey));

    gguf_context* out = gguf_init_empty();
    // Keep only the tokenizer's keys of the vocabulary file.
    gguf_set_kv(out, vocab);
    gguf_free(vocab);
    for (int64_t i = gguf_get_n_kv(out) - 1; i >= 0; --i) {
        std::string key = gguf_get_key(out, i);
        if (key.rfind("tokenizer.", 0) != 0) gguf_remove_key(out, key.c_str());
    }

    // Tensor shapes only; the data is made and written one tensor at a time.
    const size_t maxTensors = size_t(o.layers) * 20 + 8;
    ggml_init_params gp{ ggml_tensor_overhead() * maxTensors, nullptr, /*no_alloc*/ true };
    ggml_context* meta = ggml_init(gp);
    std::vector<Planned> plan;
    auto add = [&](const std::string& name, ggml_type type, int64_t ne0, int64_t ne1, bool norm) {
        ggml_tensor* t = ne1 > 0 ? ggml_new_tensor_2d(meta, type, ne0, ne1) : ggml_new_tensor_1d(meta, type, ne0);
        ggml_set_name(t, name.c_str());
        gguf_add_tensor(out, t);
        plan.push_back({ t, norm });
    };
    // Quantised types need rows that are a multiple of their block size.
    auto matrixType = [&](int64_t rowLength) {
        return rowLength % ggml_blck_size(o.type) == 0 ? o.type : GGML_TYPE_F16;
    };
    gguf_set_val_str(out, "general.name", "tq random weights");
    gguf_set_val_u32(out, "general.file_type", o.type == GGML_TYPE_F32 ? 0 : o.type == GGML_TYPE_F16 ? 1 : 7);

    if (!o.gemma4) {
        const int headDim = o.embd / o.heads;
        const int kvDim = headDim * o.kvHeads;
        gguf_set_val_str(out, "general.architecture", "llama");
        gguf_set_val_u32(out, "llama.vocab_size", uint32_t(nVocab));
        gguf_set_val_u32(out, "llama.context_length", uint32_t(o.context));
        gguf_set_val_u32(out, "llama.embedding_length", uint32_t(o.embd));
        gguf_set_val_u32(out, "llama.block_count", uint32_t(o.layers));
        gguf_set_val_u32(out, "llama.feed_forward_length", uint32_t(o.ff));
        gguf_set_val_u32(out, "llama.attention.head_count", uint32_t(o.heads));
        gguf_set_val_u32(out, "llama.attention.head_count_kv", uint32_t(o.kvHeads));
        gguf_set_val_u32(out, "llama.rope.dimension_count", uint32_t(headDim));
        gguf_set_val_f32(out, "llama.rope.freq_base", 10000.0f);
        gguf_set_val_f32(out, "llama.attention.layer_norm_rms_epsilon", 1e-5f);

        add("token_embd.weight", matrixType(o.embd), o.embd, nVocab, false);
        add("output_norm.weight", GGML_TYPE_F32, o.embd, 0, true);
        if (!o.tiedOutput) add("output.weight", matrixType(o.embd), o.embd, nVocab, false);
        for (int l = 0; l < o.layers; ++l) {
            const std::string p = "blk." + std::to_string(l) + ".";
            add(p + "attn_norm.weight", GGML_TYPE_F32, o.embd, 0, true);
            add(p + "attn_q.weight", matrixType(o.embd), o.embd, o.embd, false);
            add(p + "attn_k.weight", matrixType(o.embd), o.embd, kvDim, false);
            add(p + "attn_v.weight", matrixType(o.embd), o.embd, kvDim, false);
            add(p + "attn_output.weight", matrixType(o.embd), o.embd, o.embd, false);
            add(p + "ffn_norm.weight", GGML_TYPE_F32, o.embd, 0, true);
            add(p + "ffn_gate.weight", matrixType(o.embd), o.embd, o.ff, false);
            add(p + "ffn_down.weight", matrixType(o.ff), o.ff, o.embd, false);
            add(p + "ffn_up.weight", matrixType(o.embd), o.embd, o.ff, false);
        }
    } else {
        const int ownKv = o.layers - o.sharedKv;
        std::vector<uint32_t> ff(size_t(o.layers));
        std::vector<int8_t> window(size_t(o.layers)); // stored as booleans
        for (int l = 0; l < o.layers; ++l) {
            ff[size_t(l)] = uint32_t(l < ownKv ? o.ff : o.ffShared);
            window[size_t(l)] = isWindowLayer(o, l) ? 1 : 0;
        }
        gguf_set_val_str(out, "general.architecture", "gemma4");
        gguf_set_val_u32(out, "gemma4.vocab_size", uint32_t(nVocab));
        gguf_set_val_u32(out, "gemma4.context_length", uint32_t(o.context));
        gguf_set_val_u32(out, "gemma4.embedding_length", uint32_t(o.embd));
        gguf_set_val_u32(out, "gemma4.block_count", uint32_t(o.layers));
        gguf_set_arr_data(out, "gemma4.feed_forward_length", GGUF_TYPE_UINT32, ff.data(), ff.size());
        gguf_set_val_u32(out, "gemma4.attention.head_count", uint32_t(o.heads));
        gguf_set_val_u32(out, "gemma4.attention.head_count_kv", uint32_t(o.kvHeads));
        gguf_set_val_u32(out, "gemma4.attention.key_length", uint32_t(o.headDimFull));
        gguf_set_val_u32(out, "gemma4.attention.value_length", uint32_t(o.headDimFull));
        gguf_set_val_u32(out, "gemma4.attention.key_length_swa", uint32_t(o.headDim));
        gguf_set_val_u32(out, "gemma4.attention.value_length_swa", uint32_t(o.headDim));
        gguf_set_val_u32(out, "gemma4.rope.dimension_count", uint32_t(o.headDimFull));
        gguf_set_val_u32(out, "gemma4.rope.dimension_count_swa", uint32_t(o.headDim));
        gguf_set_val_f32(out, "gemma4.rope.freq_base", 1000000.0f);
        gguf_set_val_f32(out, "gemma4.rope.freq_base_swa", 10000.0f);
        gguf_set_val_f32(out, "gemma4.attention.layer_norm_rms_epsilon", 1e-6f);
        gguf_set_val_u32(out, "gemma4.attention.sliding_window", uint32_t(o.window));
        gguf_set_arr_data(out, "gemma4.attention.sliding_window_pattern", GGUF_TYPE_BOOL, window.data(), window.size());
        gguf_set_val_u32(out, "gemma4.attention.shared_kv_layers", uint32_t(o.sharedKv));
        gguf_set_val_u32(out, "gemma4.embedding_length_per_layer_input", uint32_t(o.perLayer));
        gguf_set_val_f32(out, "gemma4.final_logit_softcapping", 30.0f);

        const int64_t perLayerAll = int64_t(o.perLayer) * o.layers;
        add("token_embd.weight", matrixType(o.embd), o.embd, nVocab, false);
        if (!o.tiedOutput) add("output.weight", matrixType(o.embd), o.embd, nVocab, false);
        if (o.perLayer > 0) {
            add("per_layer_token_embd.weight", matrixType(perLayerAll), perLayerAll, nVocab, false);
            add("per_layer_model_proj.weight", matrixType(o.embd), o.embd, perLayerAll, false);
            add("per_layer_proj_norm.weight", GGML_TYPE_F32, o.perLayer, 0, true);
        }
        add("output_norm.weight", GGML_TYPE_F32, o.embd, 0, true);
        bool ropeFreqs = false;
        for (int l = 0; l < o.layers; ++l) {
            const std::string p = "blk." + std::to_string(l) + ".";
            const bool windowed = isWindowLayer(o, l);
            const bool ownsKv = l < ownKv;
            const int hd = windowed ? o.headDim : o.headDimFull;
            const int64_t qDim = int64_t(hd) * o.heads;
            const int64_t kvDim = int64_t(hd) * o.kvHeads;
            const int64_t ffl = ff[size_t(l)];
            add(p + "attn_norm.weight", GGML_TYPE_F32, o.embd, 0, true);
            add(p + "attn_q.weight", matrixType(o.embd), o.embd, qDim, false);
            if (ownsKv) {
                add(p + "attn_k.weight", matrixType(o.embd), o.embd, kvDim, false);
                add(p + "attn_v.weight", matrixType(o.embd), o.embd, kvDim, false);
            }
            add(p + "attn_output.weight", matrixType(qDim), qDim, o.embd, false);
            add(p + "attn_q_norm.weight", GGML_TYPE_F32, hd, 0, true);
            if (ownsKv) add(p + "attn_k_norm.weight", GGML_TYPE_F32, hd, 0, true);
            add(p + "post_attention_norm.weight", GGML_TYPE_F32, o.embd, 0, true);
            if (!windowed && !ropeFreqs) {
                // Full layers' rope frequency factors, one tensor for all of them.
                add("rope_freqs.weight", GGML_TYPE_F32, o.headDimFull / 2, 0, true);
                ropeFreqs = true;
            }
            add(p + "ffn_norm.weight", GGML_TYPE_F32, o.embd, 0, true);
            add(p + "ffn_gate.weight", matrixType(o.embd), o.embd, ffl, false);
            add(p + "ffn_up.weight", matrixType(o.embd), o.embd, ffl, false);
            add(p + "ffn_down.weight", matrixType(ffl), ffl, o.embd, false);
            add(p + "post_ffw_norm.weight", GGML_TYPE_F32, o.embd, 0, true);
            if (o.perLayer > 0) {
                add(p + "inp_gate.weight", matrixType(o.embd), o.embd, o.perLayer, false);
                add(p + "proj.weight", matrixType(o.perLayer), o.perLayer, o.embd, false);
                add(p + "post_norm.weight", GGML_TYPE_F32, o.embd, 0, true);
            }
        }
    }

    const std::string tmp = o.out + ".part";
    if (!gguf_write_to_file(out, tmp.c_str(), /*only_meta*/ true)) {
        std::fprintf(stderr, "tq-gguf-gen: cannot write %s\n", tmp.c_str());
        return 1;
    }
    FILE* f = std::fopen(tmp.c_str(), "ab");
    if (!f) {
        std::fprintf(stderr, "tq-gguf-gen: cannot append to %s\n", tmp.c_str());
        return 1;
    }

    // The llama models keep the generator they were first made with, so their weights stay the same.
    std::mt19937 rng(o.seed);
    std::normal_distribution<float> normal(0.0f, o.spread);
    FastNormal fast{ 0x9E3779B97F4A7C15ull ^ (std::uint64_t(o.seed) * 0xBF58476D1CE4E5B9ull), o.spread };
    const size_t alignment = gguf_get_alignment(out);
    std::vector<float> row;
    std::vector<uint8_t> bytes;
    bool ok = true;
    for (const Planned& p : plan) {
        ggml_tensor* t = p.tensor;
        const int64_t rowLength = t->ne[0];
        const int64_t rows = ggml_nrows(t);
        row.resize(size_t(rowLength));
        bytes.resize(ggml_row_size(t->type, rowLength));
        for (int64_t r = 0; r < rows && ok; ++r) {
            for (float& x : row) x = p.norm ? 1.0f : o.gemma4 ? fast() : normal(rng);
            if (t->type == GGML_TYPE_F32) std::memcpy(bytes.data(), row.data(), bytes.size());
            else if (t->type == GGML_TYPE_F16) ggml_fp32_to_fp16_row(row.data(), reinterpret_cast<ggml_fp16_t*>(bytes.data()), rowLength);
            else ggml_quantize_chunk(t->type, row.data(), bytes.data(), 0, 1, rowLength, nullptr);
            ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        }
        const size_t size = ggml_nbytes(t);
        const size_t padding = GGML_PAD(size, alignment) - size;
        static const char zeros[64] = {};
        if (ok && padding) ok = std::fwrite(zeros, 1, padding, f) == padding;
        if (!ok) break;
    }
    ok = std::fclose(f) == 0 && ok;
    ggml_free(meta);
    gguf_free(out);
    if (!ok || std::rename(tmp.c_str(), o.out.c_str()) != 0) {
        std::fprintf(stderr, "tq-gguf-gen: writing %s failed\n", o.out.c_str());
        std::remove(tmp.c_str());
        return 1;
    }
    return 0;
}
