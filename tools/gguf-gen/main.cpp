// tq-gguf-gen: writes a llama-architecture GGUF model with random weights and the vocabulary
// of an existing GGUF file (for example one of llama.cpp's models/ggml-vocab-*.gguf).
// Used to make a tiny model for the tests and a realistic-size one for the benchmarks.

#include <ggml.h>
#include <gguf.h>

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
};

void usage()
{
    std::fprintf(stderr,
        "usage: tq-gguf-gen --vocab FILE.gguf --out FILE.gguf [--embd N] [--layers N] [--heads N]\n"
        "                   [--kv-heads N] [--ff N] [--context N] [--type f32|f16|q8_0]\n"
        "                   [--seed N] [--spread X] [--untied]\n");
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
        else if (a == "--type") {
            std::string t = v;
            if (t == "f32") o.type = GGML_TYPE_F32;
            else if (t == "f16") o.type = GGML_TYPE_F16;
            else if (t == "q8_0") o.type = GGML_TYPE_Q8_0;
            else return false;
        } else return false;
    }
    if (o.kvHeads <= 0) o.kvHeads = o.heads;
    return !o.vocab.empty() && !o.out.empty() && o.embd > 0 && o.layers > 0 && o.heads > 0
        && o.embd % o.heads == 0 && o.heads % o.kvHeads == 0 && o.ff > 0 && o.context > 0;
}

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

    const int headDim = o.embd / o.heads;
    const int kvDim = headDim * o.kvHeads;
    gguf_set_val_str(out, "general.architecture", "llama");
    gguf_set_val_str(out, "general.name", "tq random weights");
    gguf_set_val_u32(out, "general.file_type", o.type == GGML_TYPE_F32 ? 0 : o.type == GGML_TYPE_F16 ? 1 : 7);
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

    // Tensor shapes only; the data is made and written one tensor at a time.
    const size_t maxTensors = size_t(o.layers) * 9 + 4;
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

    std::mt19937 rng(o.seed);
    std::normal_distribution<float> normal(0.0f, o.spread);
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
            for (float& x : row) x = p.norm ? 1.0f : normal(rng);
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
