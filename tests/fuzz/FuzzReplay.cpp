// Replay driver for the fuzz targets when libFuzzer is not used: feeds every file of the given
// corpus folders, then a fixed series of generated inputs (random bytes, and corpus entries with
// random edits), so the sanitizer builds exercise the targets on every test run.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::string> readCorpus(int argc, char** argv) {
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        std::filesystem::path root(argv[i]);
        if (!std::filesystem::exists(root)) continue;
        auto add = [&](const std::filesystem::path& p) {
            std::ifstream in(p, std::ios::binary);
            inputs.emplace_back(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
        };
        if (std::filesystem::is_directory(root)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
                if (entry.is_regular_file()) add(entry.path());
        } else {
            add(root);
        }
    }
    return inputs;
}

void run(const std::string& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

} // namespace

int main(int argc, char** argv) {
    // "--rounds=N" sets how many generated inputs follow the corpus.
    int rounds = 20000;
    if (argc > 1 && std::string(argv[1]).rfind("--rounds=", 0) == 0) {
        rounds = std::atoi(argv[1] + 9);
        --argc;
        ++argv;
    }
    const std::vector<std::string> corpus = readCorpus(argc, argv);
    for (const std::string& input : corpus) run(input);

    std::mt19937 rng(20261210);
    std::uniform_int_distribution<int> byte(0, 255);
    const char alphabet[] = "0123456789.+-*/^()<>=&| EeXxBb$%SINCOSTANLOGQRTFACTNOTMODDIVXORANDPI";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(alphabet) - 2);
    for (int round = 0; round < rounds; ++round) {
        std::string input;
        const int length = round % 97;
        if (!corpus.empty() && round % 3 == 0) {
            input = corpus[static_cast<std::size_t>(round) % corpus.size()];
            for (int edit = 0; edit < 4 && !input.empty(); ++edit)
                input[static_cast<std::size_t>(rng()) % input.size()] =
                    static_cast<char>(byte(rng));
        } else if (round % 3 == 1) {
            for (int i = 0; i < length; ++i) input.push_back(alphabet[pick(rng)]);
        } else {
            for (int i = 0; i < length; ++i) input.push_back(static_cast<char>(byte(rng)));
        }
        run(input);
    }
    std::printf("replayed %zu corpus inputs and %d generated inputs\n", corpus.size(), rounds);
    return 0;
}
