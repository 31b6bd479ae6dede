#include "text/fonetica_core.h"

#include <algorithm>

#include "text/palavras.h"
#include "text/texto_unicode.h"

namespace qor::text {
namespace {

// Lower-case letters never reach the transcription, so they serve as the
// markers of the sounds: a, i and o are the vowels, s is the S sound.
bool Vogal(char c)
{
    return c == 'a' || c == 'i' || c == 'o';
}

char Marcar(char c)
{
    switch (c) {
    case '_': return 'Y';
    case '&': case 'E': case 'I': case 'Y': return 'i';
    case 'O': case 'U': return 'o';
    case 'A': return 'a';
    case 'S': return 's';
    default: return c;
    }
}

char Desmarcar(char c)
{
    switch (c) {
    case 'E': return ' ';
    case 'Y': return '_';
    case 'a': return 'A';
    case 'i': return 'I';
    case 'o': return 'U';
    case 's': return 'S';
    default: return c;
    }
}

}  // namespace

struct TFoneticaCore::TPalavra {
    std::array<char, TamanhoBuffer> src;
    // One rule writes at most two places past the write index, so the writes
    // of a rule that starts inside the buffer end inside this slack; what
    // lands there is cut off with the rest of an overlong transcription.
    std::array<char, TamanhoBuffer + 2> out;
    std::size_t n = 0;
    std::size_t r = 0;
    std::size_t w = 0;

    // The character k places after the one being read (c+k).
    char Em(std::size_t k) const { return src[r + k]; }

    void Escrever(char c)
    {
        out[w] = c;
        ++w;
    }
    void Escrever(char c1, char c2)
    {
        out[w] = c1;
        out[w + 1] = c2;
        w += 2;
    }
    void Emitir() { Escrever(src[r]); }
    void EmitirVerificar()
    {
        out[w] = src[r];
        Verificar();
    }
    // After a consonant written at w: an I sound follows it unless a vowel,
    // an R or an L does (H is skipped).
    void Verificar()
    {
        ++w;
        for (;;) {
            const char x = src[r + 1];
            if (x == ' ') {
                out[w] = 'i';
                return;
            }
            if (Vogal(x)) {
                return;
            }
            if (out[w - 1] == 'X') {
                Escrever('i');
                return;
            }
            if (x == 'R' || x == 'L') {
                return;
            }
            if (x != 'H') {
                Escrever('i');
                return;
            }
            ++r;
        }
    }
};

void TFoneticaCore::ProcessarLetra(TPalavra& p) const
{
    const char c = p.src[p.r];
    switch (c) {
    case 'B': case 'F': case 'X':
        p.EmitirVerificar();
        return;
    case 'C':
        if (p.Em(1) == 'i') {
            p.Escrever('s');
        } else if (p.Em(1) == 'o' && p.Em(2) == 'i' && p.Em(3) == 's' && p.Em(4) == ' ') {
            p.out[p.w] = 'K';
            p.out[p.w + 1] = 'a';
            p.out[p.w + 2] = 'o';
            p.r += 4;
        } else if (p.Em(1) == 'T') {
            // silent before T
        } else if (p.Em(1) == 'H' && p.Em(2) == 'i' &&
                   (Vogal(p.Em(3)) || (p.Em(3) == 'N' && p.Em(4) == 'i' && p.Em(5) == ' ') ||
                    (p.Em(3) == 'T' && p.Em(4) == 'i' && p.Em(5) == ' '))) {
            p.Escrever('K');
            p.r += 1;
        } else if (p.Em(1) == 'H') {
            if (p.w > 0 && p.out[p.w - 1] == 's') {
                --p.w;
            }
            p.out[p.w] = 'X';
            p.r += 1;
            p.Verificar();
        } else {
            p.out[p.w] = 'K';
            if (p.Em(1) == 'K') {
                p.r += 1;
            }
            p.Verificar();
        }
        return;
    case 'D':
        if (p.Em(1) == 'o' && p.Em(2) == 'R' && p.r > 0 &&
            ((p.Em(3) == 'i' && p.Em(4) == 's' && p.Em(5) == ' ') ||
             (p.Em(3) == 'a' && p.Em(4) == ' ') ||
             (p.Em(3) == 'a' && p.Em(4) == 's' && p.Em(5) == ' '))) {
            p.out[p.w] = 'D';
            p.out[p.w + 1] = 'o';
            p.out[p.w + 2] = 'R';
            p.r += 5;
        } else if (p.Em(1) == 'o') {
            p.Emitir();
        } else {
            p.EmitirVerificar();
        }
        return;
    case 'G':
        if (p.Em(1) == 'o' && p.Em(2) == 'i') {
            p.Escrever('G', 'i');
            p.r += 2;
        } else if (p.Em(1) == 'L' && p.Em(2) == 'i' && (Vogal(p.Em(3)) || p.Em(3) == 'N')) {
            p.Escrever('L', 'i');
            p.r += 2;
        } else if (p.Em(1) == 'N' && Vogal(p.Em(2))) {
            p.Escrever('N', 'i');
            p.r += 1;
        } else if (p.Em(1) == 'H' && p.Em(2) == 'i') {
            p.Escrever('G', 'i');
            p.r += 2;
        } else {
            p.EmitirVerificar();
        }
        return;
    case 'H': case 'Y':
        return;
    case 'J':
        p.Escrever('G', 'i');
        return;
    case 'K':
        if (p.Em(1) != 'T') {
            p.EmitirVerificar();
        }
        return;
    case 'L':
        if (Vogal(p.Em(1))) {
            p.Emitir();
        } else if (p.Em(1) == 'H' && Vogal(p.Em(2))) {
            p.Escrever('L', 'i');
            p.r += 1;
        } else if (p.Em(1) == 'H') {
            p.Emitir();
        } else {
            p.Escrever('o');
        }
        return;
    case 'M':
        if (Vogal(p.Em(1))) {
            p.Emitir();
        } else {
            p.Escrever('N');
        }
        return;
    case 'N':
        if (p.Em(1) == 'G' && p.Em(2) == 'T') {
            p.src[p.r + 1] = 'N';
            p.Emitir();
        } else if (p.Em(1) == 'H' && Vogal(p.Em(2))) {
            p.Escrever('N', 'i');
            p.r += 1;
        } else {
            p.Emitir();
        }
        return;
    case 'P':
        if (p.Em(1) == 'H') {
            p.out[p.w] = 'F';
            p.r += 1;
            p.Verificar();
        } else {
            p.EmitirVerificar();
        }
        return;
    case 'Q':
        p.Escrever('K');
        if (p.Em(1) == 'o' && p.Em(2) == 'i') {
            p.r += 1;
        }
        return;
    case 'R':
        p.Emitir();
        return;
    case 'T':
        if (p.Em(1) != 's' && p.Em(1) != 'Z') {
            p.EmitirVerificar();
        }
        return;
    case 'V': case 'W':
        if (Vogal(p.Em(1)) && p.r == 0) {
            p.Escrever('o');
        } else {
            p.out[p.w] = 'V';
            p.Verificar();
        }
        return;
    case 'Z':
        if (p.Em(1) == ' ') {
            // silent at the end
        } else if (!Vogal(p.Em(1))) {
            p.Escrever('s');
        } else {
            p.Emitir();
        }
        return;
    case 'a':
        if ((p.Em(1) == 's' || p.Em(1) == 'Z' || p.Em(1) == 'M' || p.Em(1) == 'N') &&
            p.Em(2) == ' ') {
            p.out[p.w] = 'a';
            p.out[p.w + 1] = ' ';
            p.w += 1;
            p.r += 1;
        } else {
            p.Emitir();
        }
        return;
    case 'i':
        if (p.Em(2) == ' ' && (p.Em(1) == 's' || p.Em(1) == 'Z')) {
            p.out[p.w] = 'i';
        } else if (p.Em(1) == 'X' && p.r == 0) {
            if (Vogal(p.Em(2))) {
                p.Escrever('i', 'Z');
            } else if (p.Em(2) == 'C' || p.Em(2) == 's') {
                p.Escrever('i');
            } else {
                p.Escrever('i', 's');
            }
            p.r += 1;
        } else {
            p.Emitir();
        }
        return;
    case 'o':
        if ((p.Em(1) == 's' || p.Em(1) == 'Z') && p.Em(2) == ' ') {
            p.out[p.w] = 'o';
        } else {
            p.Emitir();
        }
        return;
    case 's':
        if (p.Em(1) == ' ') {
            // a final S is dropped
        } else if (Vogal(p.Em(1))) {
            if (p.r == 0 || !Vogal(p.src[p.r - 1]) ||
                (p.Em(1) == 'o' && p.Em(2) == 'L' && p.Em(3) == ' ')) {
                p.Emitir();
            } else {
                p.Escrever('Z');
            }
        } else if (p.Em(1) == 's') {
            if (p.Em(2) != ' ') {
                p.Emitir();
                p.r += 1;
            } else {
                p.src[p.r + 1] = ' ';
            }
        } else if (p.r == 0 && !(p.Em(1) == 'C' && p.Em(2) == 'i') && p.Em(1) != 'H' &&
                   !(p.Em(1) == 'C' && p.Em(2) == 'H' && !Vogal(p.Em(3)))) {
            p.Escrever('i');
            p.Emitir();
        } else if (p.Em(1) == 'H') {
            p.out[p.w] = 'X';
            p.r += 1;
            p.Verificar();
        } else if (p.Em(1) != 'C') {
            p.Emitir();
        } else if (p.Em(2) == 'H') {
            p.out[p.w] = 'X';
            p.r += 2;
            p.Verificar();
        } else if (p.Em(2) != 'i') {
            p.Emitir();
        } else if (p.Em(3) == ' ') {
            p.out[p.w] = 'X';
            p.out[p.w + 1] = 'i';
            p.r += 3;
        } else if (!Vogal(p.Em(3))) {
            p.Escrever('s', 'i');
            p.r += 2;
        } else {
            p.Escrever('X');
            p.r += 2;
        }
        return;
    default:
        p.Escrever(c);
        return;
    }
}

void TFoneticaCore::TranscreverPalavra(std::string_view APalavra, std::string& ASaida) const
{
    if (APalavra.empty()) {
        return;
    }
    APalavra = APalavra.substr(0, MaiorPalavra);

    TPalavra p;
    p.out.fill(' ');
    p.n = APalavra.size();
    if (p.n == 1) {
        const char c = APalavra[0];
        p.out[0] = c == '_' ? ' ' : (c == 'E' || c == '&' || c == 'I') ? 'i' : c;
    } else {
        p.src.fill(' ');
        std::transform(APalavra.begin(), APalavra.end(), p.src.begin(), Marcar);
        const bool curtaSemVogal =
            p.n <= 3 && !Vogal(p.src[0]) && !Vogal(p.src[1]) && !Vogal(p.src[2]);
        if (curtaSemVogal) {
            // abbreviations and the like keep their letters
            std::copy_n(p.src.begin(), 3, p.out.begin());
        } else {
            while (p.r < p.n && p.w < TamanhoBuffer) {
                ProcessarLetra(p);
                ++p.r;
            }
        }
    }
    // Only the first n + 3 places lose their markers here; the upper-casing
    // of the whole text turns a marker o further on into O, not U.
    std::transform(p.out.begin(), p.out.begin() + static_cast<std::ptrdiff_t>(p.n + 3),
                   p.out.begin(), Desmarcar);

    // w never ends below where a rule wrote, and no rule writes more than two
    // places past w, so nothing but blanks lies after w + 2.
    const std::size_t fim = std::min(TamanhoBuffer, p.w + 3);
    const std::string_view transcrita = Aparar(std::string_view(p.out.data(), fim));
    if (!transcrita.empty()) {
        if (!ASaida.empty()) {
            ASaida += ' ';
        }
        ASaida += transcrita;
    }
}

std::string TFoneticaCore::GerarConteudoFonetico(std::string_view ATexto) const
{
    std::string saida;
    for (std::string_view palavra : CortarPalavras(ATexto)) {
        TranscreverPalavra(palavra, saida);
    }
    return std::string(Aparar(MaiusculasLocale(saida)));
}

}  // namespace qor::text
