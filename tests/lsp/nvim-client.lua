-- A real editor as the client: Neovim starts zavora-lsp on a program, asks
-- for definition, references, incoming calls and a rename (applied), reads
-- the diagnostics of an edit, and writes what it got to ZV_OUT.
local server = os.getenv('ZV_SERVER')
local program = os.getenv('ZV_PROGRAM')
local out = {}
local function say(...) table.insert(out, table.concat({...}, ' ')) end
local function finish()
  vim.fn.writefile(out, os.getenv('ZV_OUT'))
  vim.cmd('qall!')
end

vim.o.fileencodings = 'ucs-bom,utf-8,cp1252'
vim.cmd('edit ' .. vim.fn.fnameescape(program))
local buf = vim.api.nvim_get_current_buf()
local id = vim.lsp.start_client({
  name = 'zavora',
  cmd = { server },
  root_dir = vim.fn.fnamemodify(program, ':h'),
  init_options = { context = os.getenv('ZV_CONTEXT') },
  flags = { debounce_text_changes = 0 },
})
vim.lsp.buf_attach_client(buf, id)
local client = vim.lsp.get_client_by_id(id)
if not vim.wait(20000, function() return client.initialized end, 20) then
  say('error', 'the server did not initialize')
  return finish()
end

-- The position of the first line holding text, shifted right by offset.
local function at(text, offset)
  for i, line in ipairs(vim.api.nvim_buf_get_lines(buf, 0, -1, false)) do
    local s = line:find(text, 1, true)
    if s then
      return { textDocument = { uri = vim.uri_from_bufnr(buf) },
               position = { line = i - 1, character = vim.str_utfindex(line, s - 1 + offset) } }
    end
  end
end
local function request(method, params)
  local answer, err = client.request_sync(method, params, 20000, buf)
  if not answer or answer.err then
    say('error', method, vim.inspect(err or (answer and answer.err)))
    return nil
  end
  return answer.result
end

local definition = request('textDocument/definition', at('If NOT BookMove(', 7))
if definition then say('definition', definition.range.start.line + 1, definition.range.start.character) end

local params = at('Number: gnArticleId', 8)
params.context = { includeDeclaration = true }
local references = request('textDocument/references', params)
if references then say('references', #references) end

local items = request('textDocument/prepareCallHierarchy', at('Function: BookMove', 10))
if items and items[1] then
  local names = {}
  for _, call in ipairs(request('callHierarchy/incomingCalls', { item = items[1] }) or {}) do
    table.insert(names, call.from.name)
  end
  table.sort(names)
  say('incoming', table.concat(names, ','))
end

params = at('Number: gnArticleId', 8)
params.newName = 'gnItemId'
local edit = request('textDocument/rename', params)
if edit then
  vim.lsp.util.apply_workspace_edit(edit, 'utf-16')
  local count = 0
  for _, line in ipairs(vim.api.nvim_buf_get_lines(buf, 0, -1, false)) do
    local _, n = line:gsub('gnItemId', '')
    count = count + n
  end
  say('renamed', count)
end

-- An unknown name typed in: the server tells it.
local target = at('Set gnItemId = pnId', 0)
if target then
  local line = vim.api.nvim_buf_get_lines(buf, target.position.line, target.position.line + 1, false)[1]
  vim.api.nvim_buf_set_lines(buf, target.position.line, target.position.line + 1, false,
                             { (line:gsub('= pnId', '= pnUnknown')) })
  local function told()
    for _, d in ipairs(vim.diagnostic.get(buf)) do
      if d.message:find('pnUnknown', 1, true) then return true end
    end
    return false
  end
  vim.wait(20000, told, 20)
  for _, d in ipairs(vim.diagnostic.get(buf)) do
    say('diagnostic', d.lnum + 1, d.col, d.message)
  end
end
finish()
