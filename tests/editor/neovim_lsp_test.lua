-- Neovim's own language client (the API of 0.7) with tevlin-lsp, checked against what tevlin
-- prints and lists: every example and golden source opened in a buffer gets the errors and notes
-- of --error-format=gnu as diagnostics; in the examples, every name of the listing's symbol report
-- is defined, hovered and referred to where the report says, and hovering over an instruction
-- shows its address and word as the listing does; a rename edits the buffer, whose diagnostics
-- then follow the new text.
--
--   TEVLIN=... TEVLIN_LSP=... TEVLIN_SOURCE_DIR=... nvim --headless --clean -c "luafile THIS"

-- How long a reply may take before the test gives up waiting for it, in milliseconds.
local patience = 20000

local tevlin = os.getenv('TEVLIN')
local source_dir = os.getenv('TEVLIN_SOURCE_DIR')
local folder = vim.fn.tempname()

-- The version of the document that the server last published diagnostics for, by URI.
local published = {}
local client_id

local function wait_for(condition, what)
  assert(vim.wait(patience, condition, 5), 'no answer: ' .. what)
end

local function check(actual, expected, what)
  if not vim.deep_equal(actual, expected) then
    error(what .. ':\nexpected ' .. vim.inspect(expected) .. '\nactual ' .. vim.inspect(actual))
  end
end

local function request(buf, method, params)
  params.textDocument = { uri = vim.uri_from_bufnr(buf) }
  local replies, failure = vim.lsp.buf_request_sync(buf, method, params, patience)
  assert(replies and replies[client_id], method .. ': ' .. tostring(failure))
  assert(not replies[client_id].err, method .. ': ' .. vim.inspect(replies[client_id].err))
  return replies[client_id].result
end

-- Waits, after change() has changed the buffer, for the diagnostics of its text as it stands.
local function after_diagnostics(buf, change)
  change()
  local uri = vim.uri_from_bufnr(buf)
  wait_for(function()
    return published[uri] ~= nil and published[uri] == vim.lsp.util.buf_versions[buf]
  end, 'diagnostics of ' .. uri)
end

-- A copy of the file at path, named name in the folder, in a buffer with the client attached.
local function open(path, name)
  vim.fn.writefile(vim.fn.readfile(path, 'b'), name, 'b')
  vim.cmd('edit ++bin ' .. vim.fn.fnameescape(name))
  local buf = vim.api.nvim_get_current_buf()
  after_diagnostics(buf, function()
    vim.lsp.buf_attach_client(buf, client_id)
  end)
  return buf
end

-- The errors that tevlin prints for the file name, each as "LINE:COLUMN: TEXT" (": TEXT" without
-- a line) followed by its notes. The run leaves the listing beside the file.
local function tevlin_errors(name)
  local errors = {}
  for _, line in ipairs(vim.fn.systemlist({ tevlin, '--error-format=gnu', name })) do
    local place, kind, text = line:match('^' .. vim.pesc(name) .. ':?([%d:]*): (%a+): (.*)$')
    if kind == 'error' or kind == 'note' then
      table.insert(errors, (kind == 'note' and '  note ' or '') .. place .. ': ' .. text)
    end
  end
  return errors
end

-- The buffer's errors with their notes, as tevlin_errors writes them; the place of an error that
-- tevlin prints without a line is left out.
local function buffer_errors(buf, expected)
  local errors = {}
  local severity = { severity = vim.diagnostic.severity.ERROR }
  for _, diagnostic in ipairs(vim.diagnostic.get(buf, severity)) do
    local place = ('%d:%d'):format(diagnostic.lnum + 1, diagnostic.col + 1)
    if (expected[#errors + 1] or ''):sub(1, 1) == ':' then place = '' end
    table.insert(errors, place .. ': ' .. diagnostic.message)
    for _, note in ipairs(diagnostic.user_data.lsp.relatedInformation or {}) do
      local start = note.location.range.start
      table.insert(errors,
        ('  note %d:%d: %s'):format(start.line + 1, start.character + 1, note.message))
    end
  end
  return errors
end

local function check_errors(buf, name)
  local expected = tevlin_errors(name)
  check(buffer_errors(buf, expected), expected, 'the errors of ' .. name)
end

-- The names of the symbol report in the listing: the line that defines each and those that use it
-- (ten to a row).
local function symbol_report(listing)
  local names = {}
  local uses
  for _, line in ipairs(vim.fn.readfile(listing)) do
    local name, defined, first_uses = line:match('^([%w_]+)%s+%S+%s+%((%d+)%)%s+||(.*)$')
    if name then
      uses = {}
      names[name] = { defined = tonumber(defined), uses = uses }
    end
    for number in (first_uses or line:match('^%s+||(.*)$') or ''):gmatch('%d+') do
      uses[tonumber(number)] = true
    end
  end
  return names
end

-- The position of name, in any case and as a whole word, on the line numbered line.
local function position_of(buf, name, line)
  local text = vim.api.nvim_buf_get_lines(buf, line - 1, line, true)[1]:lower()
  local column = text:find('%f[%w_]' .. vim.pesc(name:lower()) .. '%f[^%w_]')
  assert(column, name .. ' is not on line ' .. line)
  return { line = line - 1, character = column - 1 }
end

local function lines_of(locations)
  local lines = {}
  for _, location in ipairs(locations) do
    lines[location.range.start.line + 1] = true
  end
  return lines
end

local function check_names(buf, listing)
  for name, symbol in pairs(symbol_report(listing)) do
    local definition = position_of(buf, name, symbol.defined)
    local declared = vim.deepcopy(symbol.uses)
    declared[symbol.defined] = true
    check(lines_of(request(buf, 'textDocument/references',
      { position = definition, context = { includeDeclaration = true } })), declared,
      'the references to ' .. name)
    check(lines_of(request(buf, 'textDocument/references',
      { position = definition, context = { includeDeclaration = false } })), symbol.uses,
      'the uses of ' .. name)
    local use = next(symbol.uses)
    if use then
      local at_use = { position = position_of(buf, name, use) }
      local found = request(buf, 'textDocument/definition', at_use)
      found = found.range and { found } or found
      check(lines_of(found), { [symbol.defined] = true }, 'the definition of ' .. name)
      local hover = request(buf, 'textDocument/hover', at_use)
      assert(hover.contents.value:find('defined on line ' .. symbol.defined, 1, true),
        name .. ': ' .. hover.contents.value)
    end
  end
end

-- Every instruction line of the listing: hovering over its mnemonic shows its address and word.
local function check_instructions(buf, listing)
  for _, line in ipairs(vim.fn.readfile(listing)) do
    local number, address_and_word = line:match('^%((%d+)%)  (CS%-0x%x+  0x%x+) ')
    number = tonumber(number)
    if number then
      local code = vim.api.nvim_buf_get_lines(buf, number - 1, number, true)[1]
      local mnemonic = code:find('%a', code:match('^%s*[%w_]+:()') or 1)
      local hover = request(buf, 'textDocument/hover',
        { position = { line = number - 1, character = mnemonic - 1 } })
      assert(hover.contents.value:find(address_and_word, 1, true),
        code .. ': ' .. hover.contents.value)
    end
  end
end

local function check_rename()
  local source = {
    '; counts the keys',
    'again:  in   r1, 0x20',
    '        add  r1, r40',
    '        out  r1,',
    '        brn  Again',
    '        breq agan',
  }
  local renamed = vim.deepcopy(source)
  renamed[2] = 'poll:  in   r1, 0x20'
  renamed[5] = '        brn  poll'
  vim.fn.writefile(source, 'rename.asm')
  local buf = open('rename.asm', 'rename.asm')
  check_errors(buf, 'rename.asm')
  local edit = request(buf, 'textDocument/rename',
    { position = { line = 4, character = 14 }, newName = 'poll' })
  after_diagnostics(buf, function()
    vim.lsp.util.apply_workspace_edit(edit, vim.lsp.get_client_by_id(client_id).offset_encoding)
  end)
  check(vim.api.nvim_buf_get_lines(buf, 0, -1, true), renamed, 'the buffer after the rename')
  vim.cmd('silent write')
  check_errors(buf, 'rename.asm')
end

local function main()
  vim.fn.mkdir(folder, 'p')
  vim.cmd('cd ' .. vim.fn.fnameescape(folder))
  client_id = vim.lsp.start_client({
    name = 'tevlin-lsp',
    cmd = { os.getenv('TEVLIN_LSP') },
    handlers = {
      ['textDocument/publishDiagnostics'] = function(err, result, context, config)
        vim.lsp.diagnostic.on_publish_diagnostics(err, result, context, config)
        published[result.uri] = result.version
      end,
    },
  })
  assert(client_id, 'the client did not start')
  local checked = 0
  for _, example in ipairs(vim.fn.glob(source_dir .. '/examples/*.asm', false, true)) do
    local name = vim.fn.fnamemodify(example, ':t')
    local buf = open(example, name)
    check_errors(buf, name)
    local listing = name:gsub('asm$', 'asl')
    check_names(buf, listing)
    check_instructions(buf, listing)
    checked = checked + 1
  end
  for _, golden in ipairs(vim.fn.glob(source_dir .. '/tests/golden/*/prog.asm', false, true)) do
    local name = vim.fn.fnamemodify(golden, ':h:t') .. '.asm'
    -- Neovim holds an empty file as one empty line and sends that line with its end, which
    -- tevlin reads as a line without errors.
    if vim.fn.getfsize(golden) > 0 then
      check_errors(open(golden, name), name)
      checked = checked + 1
    end
  end
  check_rename()
  io.stdout:write(('%d sources checked through Neovim\'s client\n'):format(checked + 1))
end

local ok, failure = xpcall(main, debug.traceback)
vim.lsp.stop_client(client_id or {})
vim.fn.delete(folder, 'rf')
if not ok then
  io.stderr:write(failure .. '\n')
  vim.cmd('cquit 1')
end
vim.cmd('qall!')
