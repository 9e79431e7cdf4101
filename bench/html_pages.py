#!/usr/bin/env python3
"""Writes a collection of real-looking HTML pages in Portuguese.

    bench/html_pages.py FOLDER [PAGES] [SEED]

Each page has a head (title, style, script, meta charset), a heading in
capitals, paragraphs with inline markup, lists, a table nested in a table,
line breaks, comments and entities (named, decimal and hexadecimal). A
third of the pages are saved in Windows-1252 (declared as iso-8859-1 or
windows-1252), the rest in UTF-8 (some without a declaration). Beside the
pages it writes "dicionario.dic": the words the pages are made of, one per
line (UTF-8, lower case; named ".dic" so that it is no document), which bench/reading_figures.py uses to find words
that are two dictionary words glued together.
"""
import html
import html.entities
import os
import random
import sys

WORDS = """
pacote pacotes rede redes servidor servidores sistema sistemas usuário usuários
configuração configurações arquivo arquivos página páginas índice última
primeira ação ações instalação segurança senha senhas acesso permissão
permissões diretório diretórios comando comandos terminal núcleo módulo
módulos máquina máquinas virtualização memória disco discos partição
partições imagem imagens camada camadas ferramenta ferramentas seleção cor
cores pincel filtro filtros janela janelas menu botão botões opção opções
documento documentos texto textos leitura escrita cópia cópias backup
atualização atualizações versão versões estável distribuição repositório
espelho fonte fontes código licença livre software serviço serviços porta
portas endereço endereços conexão conexões tráfego firewall regra regras
política políticas usuária administrador administração manual guia capítulo
seção exemplo exemplos tabela tabelas lista listas nome nomes valor valores
variável variáveis ambiente processo processos tarefa tarefas agendamento
registro registros mensagem mensagens erro erros aviso avisos depuração
desempenho medida medidas gráfico gráficos relatório relatórios análise
conteúdo conteúdos autor autores edição título títulos anterior próximo
início fim volta busca pesquisa resultado resultados critério critérios
""".split()
CAPS_ONLY = ["ÚLTIMA", "PÁGINA", "ÍNDICE", "AÇÃO", "SEÇÃO", "ATUALIZAÇÃO", "OPÇÕES", "ÓRGÃO"]


def entity_word(rng, w):
    """The word with its non-ASCII letters written as entities: named,
    decimal or hexadecimal, as page editors write them."""
    out = []
    for ch in w:
        if ord(ch) < 128:
            out.append(ch)
            continue
        k = rng.randrange(3)
        if k == 0 and ord(ch) in html.entities.codepoint2name:
            out.append("&%s;" % html.entities.codepoint2name[ord(ch)])
        elif k == 1:
            out.append("&#%d;" % ord(ch))
        else:
            out.append("&#x%X;" % ord(ch))
    return "".join(out)


def word(rng):
    return rng.choice(WORDS)


def sentence(rng, n):
    ws = [word(rng) for _ in range(n)]
    ws[0] = ws[0].capitalize()
    return " ".join(ws)


def inline(rng, n):
    """A paragraph with inline markup: the words stay whole across it."""
    parts = []
    for i in range(n):
        w = word(rng)
        r = rng.random()
        if r < 0.08:
            w = "<b>%s</b>" % w
        elif r < 0.12:
            w = '<a href="p%d.html">%s</a>' % (rng.randrange(1000), w)
        elif r < 0.16:
            w = "<em>%s</em>" % w
        elif r < 0.30:
            w = entity_word(rng, w)
        parts.append(w)
    return " ".join(parts) + rng.choice([".", ".", "!", "?"])


def page(rng, i):
    title = sentence(rng, 3)
    body = []
    body.append("<h1>%s %s</h1>" % (rng.choice(CAPS_ONLY), " ".join(word(rng).upper() for _ in range(2))))
    body.append("<!-- gerado: %d -->" % i)
    for _ in range(rng.randrange(3, 8)):
        body.append("<p>%s</p>" % inline(rng, rng.randrange(8, 30)))
    body.append("<div>%s<br>%s<br/>%s</div>" % (word(rng), word(rng), word(rng)))
    body.append("<ul>" + "".join("<li>%s</li>" % word(rng) for _ in range(rng.randrange(2, 6))) + "</ul>")
    inner = "<table><tr>" + "".join("<td>%s</td>" % word(rng) for _ in range(3)) + "</tr></table>"
    rows = "".join("<tr><td>%s</td><td>%s</td><td>%s</td></tr>" % (word(rng), inner, word(rng))
                   for _ in range(rng.randrange(1, 4)))
    body.append("<table><tr><th>%s</th><th>%s</th><th>%s</th></tr>%s</table>" %
                (word(rng), word(rng), word(rng), rows))
    body.append("<p>a &lt;b&gt; c &mdash; %s &amp; %s&nbsp;%s &hellip;</p>" % (word(rng), word(rng), word(rng)))
    body.append("<h2>%s</h2><p>%s</p>" % (sentence(rng, 2), inline(rng, 12)))
    head = ("<title>%s</title>\n<style>p{color:red} td{padding:2px}</style>\n"
            "<script>var ebook=1; function anterior(){return 'pacotes';}</script>\n") % title
    return title, head, "\n".join(body)


def main():
    folder = sys.argv[1]
    pages = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 27)
    os.makedirs(folder, exist_ok=True)
    for i in range(1, pages + 1):
        title, head, body = page(rng, i)
        kind = i % 3
        if kind == 0:
            charset = rng.choice(["iso-8859-1", "windows-1252"])
            meta = '<meta http-equiv="Content-Type" content="text/html; charset=%s">' % charset
            encoding = "cp1252"
        elif kind == 1:
            meta, encoding = '<meta charset="utf-8">', "utf-8"
        else:
            meta, encoding = "", "utf-8"
        text = ("<!DOCTYPE html>\n<html><head>%s\n%s</head>\n<body>\n%s\n</body></html>\n" %
                (meta, head, body))
        name = "pagina-%04d.html" % i
        with open(os.path.join(folder, name), "wb") as f:
            f.write(text.encode(encoding))
    words = set(w.lower() for w in WORDS) | set(w.lower() for w in CAPS_ONLY)
    words |= {"a", "b", "c"}
    with open(os.path.join(folder, "dicionario.dic"), "w", encoding="utf-8") as f:
        f.write("\n".join(sorted(words)) + "\n")


if __name__ == "__main__":
    main()
