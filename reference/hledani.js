/* Search across the reference: adds a search box to the masthead of every page
   and lists matching elements, attributes and topics as the user types.
   The pages open from file://, where fetch() is blocked, so the index arrives
   as a script (hledani-index.js, generated at build time) that sets
   window.TagovnikHledani before this script runs. */
(function () {
  "use strict";

  var MAX_RESULTS = 12;
  var KIND_LABELS = { element: "Element", atribut: "Atribut", stranka: "Stránka", oddil: "Oddíl" };

  // Addresses in the index are relative to the reference folder, which is
  // where this script lives.
  var script = document.currentScript;
  var root = script ? script.src.replace(/[^\/]*$/, "") : "";

  // Lower case without diacritics, so "tabulka", "Tabulka" and "tabúlka" meet.
  function fold(text) {
    return text.normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase();
  }

  function words(text) {
    return fold(text).split(/[^a-z0-9\-]+/).filter(function (w) { return w.length > 0; });
  }

  // Czech words change their endings ("tabulka", "tabulky", "tabulce"): a longer
  // query word also matches through its stem, the word without its last letters.
  function stem(word) {
    if (word.length < 5) return null;
    return word.replace(/[aeiouy]+$/, "").slice(0, Math.max(4, word.length - 2));
  }

  function prepare(entry) {
    var nameWords = words(entry.n);
    return {
      entry: entry,
      name: fold(entry.n),
      nameWords: nameWords,
      titleWords: words(entry.t),
      textWords: words(entry.d + " " + (entry.x || ""))
    };
  }

  function anyStartsWith(list, prefix) {
    for (var i = 0; i < list.length; i++) {
      if (list[i].lastIndexOf(prefix, 0) === 0) return true;
    }
    return false;
  }

  // How well one query word fits an entry; 0 means it does not fit at all.
  function scoreWord(item, q) {
    var names = item.nameWords;
    if (item.name === q || names.indexOf(q) >= 0) return 100;
    if (anyStartsWith(names, q)) return 60;
    if (item.titleWords.indexOf(q) >= 0) return 45;
    if (anyStartsWith(item.titleWords, q)) return 30;
    if (anyStartsWith(item.textWords, q)) return 12;
    var s = stem(q);
    if (s) {
      if (anyStartsWith(item.titleWords, s)) return 25;
      if (anyStartsWith(item.textWords, s)) return 8;
    }
    return 0;
  }

  var KIND_WEIGHT = { element: 6, stranka: 4, atribut: 2, oddil: 0 };

  function search(items, query) {
    var qs = words(query.replace(/[<>\/]/g, " "));
    if (qs.length === 0) return [];
    var found = [];
    items.forEach(function (item, order) {
      var total = 0;
      for (var i = 0; i < qs.length; i++) {
        var s = scoreWord(item, qs[i]);
        if (s === 0) return;
        total += s;
      }
      found.push({ item: item, score: total + (KIND_WEIGHT[item.entry.k] || 0), order: order });
    });
    found.sort(function (a, b) { return b.score - a.score || a.order - b.order; });
    return found.map(function (f) { return f.item.entry; });
  }

  function element(tag, className, text) {
    var node = document.createElement(tag);
    if (className) node.className = className;
    if (text) node.textContent = text;
    return node;
  }

  function shorten(text, length) {
    if (text.length <= length) return text;
    var cut = text.lastIndexOf(" ", length);
    return text.slice(0, cut > length / 2 ? cut : length) + "…";
  }

  function build(masthead) {
    var index = window.TagovnikHledani;
    var items = Array.isArray(index) ? index.map(prepare) : [];

    var form = element("form", "hledani");
    form.setAttribute("role", "search");
    var label = element("label", "hledani-popis", "Hledat v příručce");
    label.htmlFor = "hledani-pole";
    var input = element("input");
    input.type = "search";
    input.id = "hledani-pole";
    input.placeholder = "Hledat v příručce…";
    input.title = "Hledat element, atribut nebo téma (klávesa /)";
    input.autocomplete = "off";
    input.spellcheck = false;
    input.setAttribute("aria-controls", "hledani-vysledky");
    input.setAttribute("aria-expanded", "false");
    var panel = element("div", "hledani-vysledky");
    panel.id = "hledani-vysledky";
    panel.hidden = true;
    var status = element("p", "hledani-stav");
    status.setAttribute("aria-live", "polite");
    var list = element("ol", "hledani-seznam");
    panel.appendChild(status);
    panel.appendChild(list);
    form.appendChild(label);
    form.appendChild(input);
    form.appendChild(panel);
    masthead.appendChild(form);

    function close() {
      panel.hidden = true;
      input.setAttribute("aria-expanded", "false");
    }

    function links() {
      return Array.prototype.slice.call(list.querySelectorAll("a"));
    }

    function show() {
      var query = input.value.trim();
      list.textContent = "";
      if (query === "") { close(); return; }
      if (items.length === 0) {
        status.textContent = "Rejstřík pro hledání se nenačetl.";
      } else {
        var results = search(items, query);
        results.slice(0, MAX_RESULTS).forEach(function (entry) {
          var link = element("a");
          link.href = root + entry.u;
          link.appendChild(element("span", "hledani-druh hledani-druh-" + entry.k, KIND_LABELS[entry.k] || ""));
          link.appendChild(element("span", "hledani-nazev", entry.t));
          if (entry.d) link.appendChild(element("span", "hledani-text", shorten(entry.d, 120)));
          var row = element("li");
          row.appendChild(link);
          list.appendChild(row);
        });
        if (results.length === 0) {
          status.textContent = "Nic nenalezeno. Zkuste jiné slovo, třeba název elementu.";
        } else if (results.length > MAX_RESULTS) {
          status.textContent = "Nalezeno " + results.length + ", zobrazeno prvních " + MAX_RESULTS + ".";
        } else {
          status.textContent = "Nalezeno: " + results.length + ".";
        }
      }
      panel.hidden = false;
      input.setAttribute("aria-expanded", "true");
    }

    function focusResult(step) {
      var all = links();
      if (all.length === 0) return;
      var at = all.indexOf(document.activeElement);
      var next = at + step;
      if (next < 0) { input.focus(); return; }
      all[Math.min(next, all.length - 1)].focus();
    }

    input.addEventListener("input", show);
    input.addEventListener("focus", function () { if (input.value.trim() !== "") show(); });
    form.addEventListener("submit", function (event) {
      event.preventDefault();
      var first = links()[0];
      if (first) window.location.href = first.href;
    });
    form.addEventListener("keydown", function (event) {
      if (event.key === "ArrowDown") { event.preventDefault(); focusResult(1); }
      else if (event.key === "ArrowUp") { event.preventDefault(); focusResult(-1); }
      else if (event.key === "Escape") {
        if (panel.hidden) input.value = "";
        close();
        input.focus();
      }
    });
    document.addEventListener("click", function (event) {
      if (!form.contains(event.target)) close();
    });
    // "/" anywhere outside a text field jumps to the search box.
    document.addEventListener("keydown", function (event) {
      var target = event.target;
      var typing = target && (target.isContentEditable || /^(INPUT|TEXTAREA|SELECT)$/.test(target.tagName));
      if (event.key === "/" && !typing && !event.ctrlKey && !event.altKey && !event.metaKey) {
        event.preventDefault();
        input.focus();
      }
    });
  }

  var masthead = document.querySelector("header.masthead .wrap");
  if (masthead) build(masthead);
})();
